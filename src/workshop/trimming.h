// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

enum class TrimSide { Start, Both, End };

// Removes blanks (code 32 only, never tabs) at the start and/or end of every
// line and counts the lines that changed. Lines are those of CrLfLines, so
// the result always ends with CR LF.
//   "  a  \r\nb", Both -> "a\r\nb\r\n", 1
[[nodiscard]] TextEdit trimLines(std::string_view text, TrimSide side);

// Every run of blanks becomes one blank, at the very start of the text too;
// the count is the number of blanks removed.
//   "a   b  c" -> "a b c", 3
[[nodiscard]] TextEdit collapseBlanks(std::string_view text, Progress& progress);

// The whole text through the case table.
[[nodiscard]] std::string lowerCase(std::string_view text);
[[nodiscard]] std::string upperCase(std::string_view text);

// The byte after every blank, hyphen or LF goes through the upper-case table;
// the count is the number of bytes that changed. The first byte of the text
// has no such predecessor and never changes.
//   "hallo welt-weit\r\nzweite" -> "hallo Welt-Weit\r\nZweite", 3
[[nodiscard]] TextEdit capitaliseWordStarts(std::string_view text);

}  // namespace brimlet
