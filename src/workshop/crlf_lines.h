// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

  [[nodiscard]] std::optional<std::string_view> next();

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// How many lines CrLfLines reads: the text's line count once it has its
// final line end.
[[nodiscard]] size_t countLines(std::string_view text);

}  // namespace brimlet
