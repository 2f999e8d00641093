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

// Whether decodeFileName keeps every character of `systemName`: false when
// a character became '?' (one without a Windows-1252 byte, CR, LF). Such a
// display name cannot lead back to its file, and a real "?" name may stand
// beside it, so whatever lists names keeps each entry's system bytes.
[[nodiscard]] bool decodesWithoutLoss(std::string_view systemName);

// Whether `name` can stand as one entry of a folder: not empty, not "." or
// "..", without "/" and without NUL (the system would end the path there
// and so name another file). For names built from data and names read
// from the renamer's journal.
[[nodiscard]] bool isSingleName(std::string_view name);

// A path the user typed or chose (a dialog's answer, a typed file name) ->
// the bytes to hand to open, stat, opendir or rename. Each component
// becomes its UTF-8 form; where that does not exist but the component's own
// bytes name an existing entry, those bytes are used, so a name taken byte
// for byte is found again. A '?' stays a '?' and so names the file that is
// really called so, if any: a name that lost a character in decoding cannot
// be encoded back, which is why listed entries keep their system bytes.
//   encodePath("/tmp/Gr\xF6\xDF" "e.txt") == "/tmp/Gr\xC3\xB6\xC3\x9F" "e.txt"
[[nodiscard]] std::string encodePath(std::string_view path);

}  // namespace brimlet
