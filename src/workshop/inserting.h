// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/progress.h"
#include "workshop/line_edges.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Puts `entry` at the start or end of every line (as CrLfLines reads them);
// with `skipEmpty` empty lines stay empty and do not count. Every line ends
// with CR LF.
//   "a\r\n\r\nb", "-", Start, skipEmpty -> "-a\r\n\r\n-b\r\n", 2
[[nodiscard]] TextEdit insertAtLines(std::string_view text, std::string_view entry, LineEdge edge,
                                     bool skipEmpty, Progress& progress);

// The numbering template: its length is the minimum number width, its
// value the offset the numbers start after.
struct NumberingTemplate {
  int minimumWidth = 0;  // 0-9
  int32_t offset = 0;    // 0-999999000
};
[[nodiscard]] NumberingTemplate readNumberingTemplate(std::string_view typed);

struct Numbering {
  NumberingTemplate from;
  bool noBlank = false;    // no blank between number and line
  bool skipEmpty = false;  // empty lines get no number
  bool atEnd = false;      // number behind the line, never on an empty line
};

// Numbers the lines from offset + 1, zero-padded to the minimum width or
// to the digits of the last possible number, whichever is larger; the
// count is the number of lines numbered.
//   "a\r\n\r\nb", skipEmpty -> "1 a\r\n\r\n2 b\r\n", 2
[[nodiscard]] TextEdit numberLines(std::string_view text, const Numbering& numbering,
                                   Progress& progress);

}  // namespace brimlet
