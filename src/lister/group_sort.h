// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/extension_groups.h"
#include "core/progress.h"

namespace brimlet {

// The value of "sortieren" a list was sorted with.
enum class SortMode { Groups = 0, Single = 1, None = 2 };

// A sorted list: one text per bucket, every line of it ending in CR LF; the
// last bucket is the rest. After a group sort buckets 0..15 are the groups
// and 16 the rest; after a single sort there is one bucket per extension and
// the rest; an unsorted list is one bucket.
struct Buckets {
  std::vector<std::string> texts;
  std::vector<int64_t> counts;  // lines per bucket
  int64_t total = 0;            // lines in all buckets
};

// Called with the line number and the line every `kSampleInterval` lines,
// so a long sort shows where it is.
using LineSampler = std::function<void(int64_t lineNumber, std::string_view line)>;
inline constexpr int64_t kSampleInterval = 2000;

// Puts each line into the first group (in group order, then entry order) one
// of whose table entries equals the line's key, compared in lower case: the
// key is the text from the line's last "." to its end ("A.MP3" -> ".mp3"),
// or the whole line when it has no dot. Empty cells never match; a line that
// matches nothing goes to the rest. nullopt when the list holds no line at
// all (no CR).
[[nodiscard]] std::optional<Buckets> groupSort(std::string_view list, const ExtensionTable& table,
                                               Progress& progress, const LineSampler& sample);

// One bucket per extension (the text after the last ".", lower case) in
// order of first appearance, or in byte order when `alphabetical`. A dot
// inside a folder name ("C:\a.b\readme", "/a.b/readme") gives no extension;
// such lines and lines without a dot go to the rest bucket. Empty lines and
// "***" lines are dropped.
[[nodiscard]] Buckets singleSort(std::string_view list, bool alphabetical, Progress& progress);

// The same sort as texts for one file per extension, named by the
// extension, plus "unknown" for the rest. The extension "con" is never
// collected, so such lines land in "unknown"; so does the extension
// "unknown" itself, which would otherwise name the same file twice.
struct ExtensionFile {
  std::string name;
  std::string text;
};
[[nodiscard]] std::vector<ExtensionFile> extensionFiles(std::string_view list, bool alphabetical,
                                                        Progress& progress);

// The list as it is, in one bucket of `lineCount` lines.
[[nodiscard]] Buckets unsortedBuckets(std::string_view list, int64_t lineCount);

// The non-empty buckets in order, each followed by the line "***"; with a
// selection, only the buckets it marks.
//   {"a\r\n", "", "b\r\n"} -> "a\r\n***\r\nb\r\n***\r\n"
[[nodiscard]] std::string processedText(const Buckets& buckets,
                                        std::span<const bool> selection = {});

// The largest number of path separators ("\" or "/") in any line.
[[nodiscard]] int64_t deepestPath(std::string_view text);

}  // namespace brimlet
