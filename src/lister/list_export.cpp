// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_export.h"

#include <algorithm>

#include "core/lines.h"
#include "lister/group_sort.h"

namespace brimlet {
namespace {

bool isPathSeparator(char c) { return c == '\\' || c == '/'; }

// A path separator starts the next column; quotes, commas and semicolons
// would confuse the programs that read the table.
char cellByte(char c, char separator) {
  if (isPathSeparator(c)) return separator;
  if (c == '"' || c == '\'' || c == ',' || c == ';') return '_';
  return c;
}

void appendRow(std::string_view line, char separator, bool fileNameLast, int64_t deepest,
               std::string& out) {
  if (line == "***") line = {};
  const auto count = static_cast<int64_t>(std::count_if(line.begin(), line.end(), isPathSeparator));
  if (fileNameLast && count > 0) {
    const size_t last = line.find_last_of("\\/");
    for (const char c : line.substr(0, last)) out += cellByte(c, separator);
    out.append(static_cast<size_t>(std::max<int64_t>(deepest - count, 0) + 1), separator);
    for (const char c : line.substr(last + 1)) out += cellByte(c, separator);
  } else {
    for (const char c : line) out += cellByte(c, separator);
    out.append(static_cast<size_t>(std::max<int64_t>(deepest - count, 0)), separator);
  }
  out += "\r\n";
}

}  // namespace

std::string csvTable(std::string_view processedList, char separator, bool fileNameLast) {
  const int64_t deepest = deepestPath(processedList);
  std::string out;
  out.reserve(processedList.size() + processedList.size() / 4);
  LineWalker lines(processedList);
  while (const auto line = lines.next()) appendRow(*line, separator, fileNameLast, deepest, out);
  return out;
}

}  // namespace brimlet
