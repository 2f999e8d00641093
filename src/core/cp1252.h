// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// The one Windows-1252 mapping of the program. Every byte value maps to a
// code point and back; the five codes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so a
// round trip through Unicode never loses a byte.
[[nodiscard]] char32_t cp1252ToUnicode(unsigned char byte);
[[nodiscard]] std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

// Converts UTF-8 (source literals, command-line values) to Windows-1252
// bytes. A code point without a Windows-1252 byte becomes '?', as the
// system's own text conversion does; broken UTF-8 sequences are taken
// byte by byte.   cp("Speicher gelöscht") == "Speicher gel\xF6scht"
[[nodiscard]] std::string cp(std::string_view utf8);

// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or
// code points past U+10FFFF).
[[nodiscard]] bool isValidUtf8(std::string_view bytes);

// The Windows-1252 bytes of `utf8` when it is well-formed UTF-8 every
// character of which has a Windows-1252 byte; nullopt otherwise.
//   cp1252FromUtf8("gr\xC3\xBC\xC3\x9F") == "gr\xFC\xDF"   cp1252FromUtf8("\xE6\x97\xA5") ==
//   nullopt
[[nodiscard]] std::optional<std::string> cp1252FromUtf8(std::string_view utf8);

// Windows-1252 bytes to UTF-8, for terminal output.
[[nodiscard]] std::string toUtf8(std::string_view bytes);

}  // namespace brimlet
