// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// "The byte whose value is the integer value of the text": an empty or
// non-numeric text is NUL; a value outside 0-255 names no byte.
[[nodiscard]] std::optional<char> byteOfCode(std::string_view text);

// What a one-entry field gives: with `code`, the byte of its code;
// otherwise its text. Nothing for an empty text or a code outside 0-255.
[[nodiscard]] std::optional<std::string> typedEntry(std::string_view typed, bool code);

// Turns a typed chain into bytes.
// With codes, the text is a list of decimal codes each ended by "-" (text
// after the last "-" is ignored), or one code without any "-":
//   "13-10-" -> CR LF,  "13-10" -> CR,  "65" -> "A"
// Without codes, "::" + code + "::" stands for one byte, the rest is literal:
//   "a::13::::10::b" -> "a\r\n" "b",  "a::b" -> "a::b"
// Nothing when a code lies outside 0-255.
[[nodiscard]] std::optional<std::string> decodeTypedChain(std::string_view typed, bool codes);

}  // namespace brimlet
