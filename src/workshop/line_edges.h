// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

enum class LineEdge { Start, End };

// Removes the first byte of `entry` wherever the whole entry stands at a
// line start (after CR LF) or before a line end (CR LF). A one-byte entry
// also goes from the start of the text as often as it stands there; a
// longer one leaves the start of the text alone.
//   "xxa\r\nxxb", "x", Start -> "a\r\nxb", 3
//   "ab;\r\nc;", ";", End -> "ab\r\nc;", 1
[[nodiscard]] TextEdit removeEntryAtLineEdges(std::string_view text, std::string_view entry,
                                              LineEdge edge, Progress& progress);

// Every line loses `count` bytes at one edge; lines no longer than that,
// and empty lines, disappear. The count is the number of non-empty lines.
//   "abc\r\nde\r\nf", 2, End -> "a\r\n", 3
[[nodiscard]] TextEdit cutLineEdges(std::string_view text, int64_t count, LineEdge edge,
                                    Progress& progress);

// Every line loses the digits 0-9 at one edge; lines left empty, and empty
// lines, disappear. The count is the number of digits removed.
//   "12ab34\r\n99\r\nx", Start -> "ab34\r\nx\r\n", 4
[[nodiscard]] TextEdit removeEdgeDigits(std::string_view text, LineEdge edge, Progress& progress);

}  // namespace brimlet
