// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

// The line count every fill keeps: the number of CR bytes. A list without
// any CR gets CR LF appended first and so counts one line ("" -> "\r\n").
[[nodiscard]] int64_t recountLines(std::string& list);

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
