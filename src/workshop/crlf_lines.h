// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/lines.h"

namespace brimlet {

// The lines of a workshop text as the trimming and sorting operations see
// them: a line ends at CR LF, and a CR without LF is part of the line (so
// no byte is ever lost). A text without a final CR LF is read as if it had
// had its final line end made first: the unterminated tail is the last
// line, with a lone LF at its very end dropped.
//   "a\rb\r\nc\n"  ->  "a\rb", "c"
class CrLfLines {
 public:
  explicit CrLfLines(std::string_view text) : text_(text) {}

  [[nodiscard]] std::optional<std::string_view> next() {
    if (ends_ == 0) return nextChunk();
    return lineEndingAtNextEnd();
  }

 private:
  // Reads on to the next chunk that holds a line end and returns that line,
  // or, past the last line end, the tail.
  [[nodiscard]] std::optional<std::string_view> nextChunk();

  [[nodiscard]] std::string_view lineEndingAtNextEnd() {
    const size_t cr = chunk_ + static_cast<size_t>(std::countr_zero(ends_));
    ends_ &= ends_ - 1;
    const std::string_view line(text_.data() + pos_, cr - pos_);
    pos_ = cr + 2;
    return line;
  }

  // The line ends are found 64 bytes at a time, as a mask of where a CR LF
  // starts: most lines are short, and a search per line costs more than
  // the line.
  static constexpr size_t kChunk = 64;

  std::string_view text_;
  size_t pos_ = 0;
  size_t chunk_ = 0;    // the start of the chunk `ends_` covers
  size_t scanned_ = 0;  // where the next chunk starts
  uint64_t ends_ = 0;   // bit j: a CR LF not yet read starts at chunk_ + j
};

// How many lines CrLfLines reads: the text's line count once it has its
// final line end.
[[nodiscard]] size_t countLines(std::string_view text);

}  // namespace brimlet
