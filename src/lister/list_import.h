// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

// The line count every fill keeps: the number of CR bytes, once the list
// has its final line end, so that a last line without one is neither lost
// nor glued to what follows it ("a\r\nb" -> "a\r\nb\r\n", 2; "" -> "\r\n", 1).
[[nodiscard]] int64_t recountLines(std::string& list);

// The same for a pasted clipboard block, whose text ends at its first NUL:
// the final line end goes there, and the rest of the block stays behind it
// as it came, no line ("a\r\nb\0x" -> "a\r\nb\r\n\0x", 2).
[[nodiscard]] int64_t recountPastedLines(std::string& block);

// A console directory listing saved as "...dir.txt": the path ends in
// "dir.txt" (exact case) and the text starts with a blank.
[[nodiscard]] bool isDirListing(std::string_view path, std::string_view text);

// Turns such a listing into lines of size ";" folder "\" name. A line
// starting with " Verz" names the folder (the text after its 17th byte,
// ' Verzeichnis von '); other lines starting with a blank and " <DIR> "
// lines are dropped; a file line has its size right-aligned in bytes 18..35
// and its name from byte 37 on. A line without a size is dropped.
//   " Verzeichnis von C:\x" + "02.04.2019  07:41                 0 a.txt"
//     -> "0;C:\x\a.txt\r\n"
[[nodiscard]] std::string convertDirListing(std::string_view text);

// A listing whose first line starts with "File name": recognised only in
// files whose path does not end in "t".
[[nodiscard]] bool isFileNameListing(std::string_view path, std::string_view text);

// Such a listing without its two header lines and its last line (a summary).
// The last line is the text after the last CR when there is any, else the
// line ending at the last CR.
[[nodiscard]] std::string_view fileNameListingBody(std::string_view text);

// Removes the blanks at the end of every line; a tail after the last CR is
// treated the same and keeps having no line end. `removed` counts the bytes.
struct BlankRemoval {
  std::string text;
  int64_t removed = 0;
};
[[nodiscard]] BlankRemoval removeTrailingBlanks(std::string_view list, Progress& progress);

}  // namespace brimlet
