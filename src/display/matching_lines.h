// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// What a line must hold to be kept: `contains`, and not `without` unless
// that is empty. Byte comparison, case-sensitive.
struct LineFilter {
  std::string_view contains;
  std::string_view without;
};

// The lines of a CR LF text that pass the filter, each with CR LF (and
// with its 1-based line number and a TAB before it when `numbered`), then
// an empty line and the number of lines kept. A last line without CR LF is
// not examined.
//   "a1\r\nb\r\na2"  contains "a"  ->  "a1\r\n\r\n\r\n1\r\n"
[[nodiscard]] std::string matchingLines(std::string_view text, const LineFilter& filter,
                                        bool numbered);

}  // namespace brimlet
