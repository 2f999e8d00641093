// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Joins the lines of running text. A line break stays after a sentence end
// (. ! or ? with an optional closing mark " ' ) “ ” « and an optional blank),
// around an empty line, after a line of 1 to 4 bytes and after the last
// sentence end or empty line; every other CR LF becomes one blank. With
// `keepTails` the lines before an empty line back to the last sentence end
// stay as they are. A lone CR is part of its line.
//   "Das ist\r\nein Satz.\r\nNoch einer\r\nhier.\r\n\r\nNeu\r\n"
//     -> "Das ist ein Satz.\r\nNoch einer hier.\r\n\r\nNeu\r\n"
// With a `wrapWidth` the result comes as wrapLines(result, wrapWidth) would
// give it, built in one buffer.
[[nodiscard]] std::string formatParagraphs(std::string_view text, bool keepTails,
                                           Progress& progress, size_t wrapWidth = 0);

// Breaks every line longer than `width` (at least 1) at the last blank
// within its first `width` bytes, which goes; without one there the line is
// cut after `width` bytes. Every line ends with CR LF.
//   "ab cd ef", 5 -> "ab\r\ncd ef\r\n"
[[nodiscard]] std::string wrapLines(std::string_view text, size_t width, Progress& progress);

// Joins every `group` consecutive lines into one (with a blank between
// them with `blank`); empty lines add nothing but take their turn. Blanks
// at the very end go, and an incomplete last group has no CR LF.
//   "a\r\nb\r\nc", 2, blank -> "a b\r\nc"
[[nodiscard]] std::string joinLines(std::string_view text, int group, bool blank,
                                    Progress& progress);

// Deals the lines round-robin into ceil(lines / group) rows, so that with
// group 2 the first half is paired with the second; empty lines add
// nothing. Each row ends with CR LF and loses its trailing blanks.
//   "1\r\n2\r\n3\r\n4\r\n5", 2, blank -> "1 4\r\n2 5\r\n3\r\n"
[[nodiscard]] std::string pairLines(std::string_view text, int group, bool blank,
                                    Progress& progress);

// Keeps the 2nd, 4th, ... line, each with CR LF.
[[nodiscard]] std::string deleteOddLines(std::string_view text, Progress& progress);

// Turns pages of two columns into one column each: a page runs from the
// line after a CR LF to the next "----------"; per page the left column
// comes first, then the right one. Text outside the pages is not kept.
// The count is the number of pages.
[[nodiscard]] TextEdit splitPages(std::string_view text, Progress& progress);

}  // namespace brimlet
