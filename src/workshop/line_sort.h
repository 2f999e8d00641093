// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

enum class Comparison { Text, Binary };

struct SortOptions {
  // The key column: 1 (or 0) sorts whole lines; x > 1 sorts on the text from
  // column x to the line end, then the first x - 1 bytes; x < 0 sorts on the
  // last |x| bytes, then the rest. A line too short for its key is filled
  // with NUL (binary) or blanks (text): with x > 1 it is keyed as four fill
  // bytes, itself and fill up to x - 1 bytes; with x < 0 it is right-aligned
  // behind fill bytes.
  int64_t column = 1;
  bool descending = false;
  Comparison comparison = Comparison::Text;
};

// The lines of a text (CrLfLines: a lone CR is part of its line, an
// unterminated last line counts), sorted once. Keys are never built as
// strings, so any key column costs no more memory than column 1. Lines with
// equal keys keep their order. The text must outlive the LineSort.
class LineSort {
 public:
  // The walk over the text reports its position, a cancel point every few
  // megabytes.
  LineSort(std::string_view text, Progress& progress);

  [[nodiscard]] size_t lineCount() const { return lineCount_; }

  // Every line followed by CR LF, in sorted order. The lines are sorted in
  // `threads` parts at once and merged, with the same result for any count;
  // 0 takes every core for a large text and one thread for a small one.
  // Progress and cancel stay on the calling thread.
  [[nodiscard]] std::string sorted(const SortOptions& options, Progress& progress,
                                   unsigned threads = 0) const;

 private:
  std::string_view text_;
  size_t lineCount_ = 0;
  size_t outputSize_ = 0;
};

}  // namespace brimlet
