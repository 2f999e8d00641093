// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"

namespace brimlet {

// How the names text becomes new file names.
struct NameListRules {
  std::string_view extension;          // "" or "." + extension, appended to every name
  bool numbering = false;              // a running number in front; duplicates are kept
  std::string_view numberingTemplate;  // width = its length (2..5), offset = its value
};

// The new names of a names text, in line order. A line ends at CR and the
// next begins two bytes later; text after the last CR is no name, and so is
// an empty line or one of a single blank. Without numbering a name that
// occurred before is dropped (compared before cleaning, so "a?b" and "ab"
// both stay and both become "ab"). Every name is cleaned as cleanFileName
// does, then numbered:
//   "A\r\n\r\n \r\nB\r\n", ".txt"       -> {"A.txt", "B.txt"}
//   "A\r\nA\r\n", ".mp3", numbering "00" -> {"01 A.mp3", "02 A.mp3"}
[[nodiscard]] std::vector<std::string> namesFromText(std::string_view text,
                                                     const NameListRules& rules);

// A name that can be a file name here: "?", "*", TAB, CR, LF and NUL are
// removed; ">", "<", "/", "\" and ":" become "_".
//   "AC/DC: Live?" -> "AC_DC_ Live"
void cleanFileName(std::string& name);

// The running-number prefix of the name at `index`: the last W digits of
// "0000" + (offset + index + 1), then a blank.
//   template "00", index 0 -> "01 ";  template "05", index 0 -> "06 "
[[nodiscard]] std::string numberPrefix(std::string_view numberingTemplate, size_t index);

// A leading number taken off: first all leading digits, then all leading
// blanks.   "0042 Song.mp3" -> "Song.mp3",  "1984.mp3" -> ".mp3"
[[nodiscard]] std::string withoutLeadingNumber(std::string_view name);

// The prefixes of random numbering for `count` entries: the numbers 1 to
// count in an order drawn from the platform's uniform generator (a position
// is drawn until a free one is hit), each written with as many digits as
// count - 1 has, the higher digits cut off, and a blank.
//   count 10 -> a permutation of "1 " .. "9 ", "0 "
[[nodiscard]] std::vector<std::string> randomPrefixes(size_t count, Platform& platform);

}  // namespace brimlet
