// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"
#include "lister/bucket_rewrite.h"

namespace brimlet {

// The line-wise clean-ups of the sorted list. Each keeps a part of the line:
//   Paths           "C:\Musik\a.mp3" -> "a.mp3" (after the last "\" or "/")
//   Extensions      "a.tar.gz" -> "a.tar"; a dot in a folder name is none
//   TrailingBlanks  "a  " -> "a"
//   TrailingNumbers "Song 12" -> "Song ", "Track 3,45" -> "Track "
// Paths and Extensions leave "***" lines alone and count changed lines; the
// other two count removed bytes.
enum class Cleanup { Paths, Extensions, TrailingBlanks, TrailingNumbers };

[[nodiscard]] std::string_view cleanLine(Cleanup cleanup, std::string_view line);

// Cleans every line of every bucket, each line keeping its CR LF (so line
// counts stay); a tail after a bucket's last CR stays as it is. Progress
// counts lines across all buckets. Counts what the clean-up reports.
[[nodiscard]] RewrittenBuckets cleanUpBuckets(Cleanup cleanup,
                                              std::span<const std::string_view> buckets,
                                              Progress& progress);

}  // namespace brimlet
