// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Unix line ends to CR LF: a CR goes before every LF that does not already
// follow one. An LF at position 0 has no predecessor and stays as it is.
//   "a\nb\r\n" -> "a\r\nb\r\n", 1 converted, 2 line feeds
struct UnixConversion {
  TextEdit edit;
  int64_t lineFeeds = 0;  // every LF of the text, converted or not
};
[[nodiscard]] UnixConversion unixToCrLf(std::string_view text, Progress& progress);

// CR LF to a lone LF; a CR without LF after it stays.
//   "x\ry\r\n" -> "x\ry\n", 1
[[nodiscard]] TextEdit crLfToUnix(std::string_view text, Progress& progress);

// Every NUL keeps its place and gets CR LF after it.
//   "a\0b" -> "a\0\r\nb", 1
[[nodiscard]] TextEdit lineEndAfterNul(std::string_view text, Progress& progress);

// Joins hyphenated line breaks: "-" CR LF goes when the byte after it is not
// an ASCII capital A-Z (umlauts are not) or when it ends the text.
//   "Trenn-\r\nzeichen" -> "Trennzeichen",  "Ost-\r\nWest" stays
[[nodiscard]] TextEdit joinHyphenatedBreaks(std::string_view text, Progress& progress);

}  // namespace brimlet
