// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// Every arrangement of the first `maxLength` bytes of `text` (blanks and
// line-end bytes are letters like any other), one per CR LF line in
// lexicographic order of the positions, repeated letters not merged, then
// an empty line and the number of arrangements (n!). Built in one buffer
// of its final size.   "abc" -> "abc acb bac bca cab cba" (one per line) + "\r\n6\r\n"
[[nodiscard]] std::string anagramList(std::string_view text, size_t maxLength);

// The line `pick(count)` (0-based, below count) of an anagram list, chosen
// among as many lines as the count on the list's last line says, but never
// past the empty line that ends the arrangements. nullopt when the text is
// under 6 bytes, its count is 0 or no number, or it has no arrangement line.
[[nodiscard]] std::optional<std::string> pickAnagram(
    std::string_view list, const std::function<uint32_t(uint32_t count)>& pick);

// The anagram check of the first two lines of a text: what the field then
// shows. nullopt when the text has no line break at all.
[[nodiscard]] std::optional<std::string> anagramCheck(std::string_view text);

// The upper-cased letters (A-Z, Ä, Ö, Ü, ß, and with `digits` 0-9) that
// follow a blank, "-" or LF; the first word counts only after such a byte.
//   "rat des ortes" -> "DO",  " rat des ortes" -> "RDO"
[[nodiscard]] std::string acronym(std::string_view text, bool digits);

}  // namespace brimlet
