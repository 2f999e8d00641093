// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// The sorted list as a table with one column per folder level. The quote,
// apostrophe, comma and semicolon of the list become "_" first, so no cell
// breaks its row. Every row gets as many separators as the deepest line has
// path separators ("\" or "/"): missing ones are appended, or, when
// `fileNameLast`, put where the last separator stands, so the file name
// always lands in the last column. "***" and empty lines become rows of
// separators only. A list in which no line has a path separator gives one
// row per line. "" when the list holds no line (no CR).
//   deepest 3, ";":  "C:\a\b.txt" -> "C:;a;;b.txt" (fileNameLast), "C:;a;b.txt;"
[[nodiscard]] std::string csvTable(std::string_view processedList, char separator,
                                   bool fileNameLast);

}  // namespace brimlet
