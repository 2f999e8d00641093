// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "core/progress.h"
#include "lister/bucket_rewrite.h"

namespace brimlet {

// Turns each bucket into the list of its lines' folders: a line's folder is
// its text up to and including the last "\" or "/"; lines without one (and
// so "***" and empty lines) are dropped. A run of lines in one folder gives
// one line; the folder coming back after another gives a further line.
//   "C:\a\1.mp3", "C:\a\2.mp3", "C:\b\3.mp3", "C:\a\4.mp3" -> "C:\a\", "C:\b\", "C:\a\"
// A bucket left with no folder keeps its lines. Counts the folder lines.
[[nodiscard]] RewrittenBuckets makeFolderList(std::span<const std::string_view> buckets,
                                              Progress& progress);

}  // namespace brimlet
