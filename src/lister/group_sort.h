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

// A sorted list: the processed list, which holds the non-empty buckets in
// order, each followed by the line "***", and where each bucket stands in
// it, so that the buckets cost no copy of their own. The last bucket is
// the rest. After a group sort buckets 0..15 are the groups and 16 the
// rest; after a single sort there is one bucket per extension and the rest.
struct Buckets {
  struct Place {
    size_t start = 0;
    size_t size = 0;
    int64_t lines = 0;
  };
  std::string text;
  std::vector<Place> places;
  int64_t total = 0;  // lines in all buckets

  [[nodiscard]] size_t count() const { return places.size(); }
  [[nodiscard]] std::string_view bucket(size_t i) const {
    return std::string_view(text).substr(places[i].start, places[i].size);
  }
  // The bucket with its "***" line, as the processed list holds it.
  [[nodiscard]] std::string_view withSeparator(size_t i) const {
    const size_t size = places[i].size == 0 ? 0 : places[i].size + kBucketSeparator.size();
    return std::string_view(text).substr(places[i].start, size);
  }

  static constexpr std::string_view kBucketSeparator = "***\r\n";
};

// Builds a sorted list bucket by bucket in room reserved once.
class BucketsBuilder {
 public:
  explicit BucketsBuilder(size_t bytes) { buckets_.text.reserve(bytes); }
  // The next bucket's lines are appended to text() from here on.
  [[nodiscard]] std::string& text() { return buckets_.text; }
  void beginBucket() { start_ = buckets_.text.size(); }
  // Ends the bucket begun last; its separator follows when it has a byte.
  void endBucket(int64_t lines);
  [[nodiscard]] Buckets take() { return std::move(buckets_); }

 private:
  Buckets buckets_;
  size_t start_ = 0;
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

// The same sort for one file per extension, each bucket named by its
// extension and the rest "unknown". The extension "con" is never
// collected, so such lines land in "unknown"; so does the extension
// "unknown" itself, which would otherwise name the same file twice. Only
// where each file's lines lie in the list is held, and a file's text is
// built when it is written: the files never take the list's room again
// beside the list and its sorted copy.
struct ExtensionFiles {
  std::vector<std::string> names;       // one a file
  std::vector<std::string_view> lines;  // into the list, grouped by file
  std::vector<size_t> firstLine;        // file i: [firstLine[i], firstLine[i + 1])

  // The lines of file `i`, each followed by CR LF.
  [[nodiscard]] std::string text(size_t i) const;
};
[[nodiscard]] ExtensionFiles extensionFiles(std::string_view list, bool alphabetical,
                                            Progress& progress);

// The non-empty buckets the selection marks, each followed by the line
// "***".
//   {"a\r\n", "", "b\r\n"}, {false, true, true} -> "b\r\n***\r\n"
[[nodiscard]] std::string processedText(const Buckets& buckets, std::span<const bool> selection);

// The largest number of path separators ("\" or "/") in any line.
[[nodiscard]] int64_t deepestPath(std::string_view text);

}  // namespace brimlet
