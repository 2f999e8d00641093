// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// File names on this platform are UTF-8 bytes; inside the program they are
// Windows-1252 like all text. These two are the only crossing.

// A name as the file system gives it -> the program's text. A character
// without a Windows-1252 byte becomes '?', and so do CR and LF (a name must
// stay one line of a list). A name that is not valid UTF-8 is taken byte for
// byte (CR and LF still become '?').
//   decodeFileName("\xC3\x9C" "bersicht.png") == "\xDC" "bersicht.png"
[[nodiscard]] std::string decodeFileName(std::string_view systemName);

// A whole path from the system (a dialog's choice, a drop): each component
// decoded as above, the "/" separators kept.
[[nodiscard]] std::string decodePath(std::string_view systemPath);

// A path as the program holds it -> the bytes to hand to open, stat,
// opendir or rename. Each component becomes its UTF-8 form; where that does
// not exist but the component's own bytes name an existing entry that was
// taken byte for byte when it was read, those bytes are used, so every name
// the program listed is found again. A '?' stays a '?': a name that lost a
// character in decoding names no other file.
//   encodePath("/tmp/Gr\xF6\xDF" "e.txt") == "/tmp/Gr\xC3\xB6\xC3\x9F" "e.txt"
[[nodiscard]] std::string encodePath(std::string_view path);

}  // namespace brimlet
