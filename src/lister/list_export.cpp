// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_export.h"

#include <algorithm>

#include "core/lines.h"
#include "lister/group_sort.h"

namespace brimlet {
namespace {

bool isPathSeparator(char c) { return c == '\\' || c == '/'; }

void appendRow(std::string_view line, char separator, bool fileNameLast, int64_t deepest,
               std::string& out) {
  if (line == "***") line = {};
  const auto count = static_cast<int64_t>(std::count_if(line.begin(), line.end(), isPathSeparator));
  if (fileNameLast && count > 0) {
    const size_t last = line.find_last_of("\\/");
    for (const char c : line.substr(0, last)) out += isPathSeparator(c) ? separator : c;
    out.append(static_cast<size_t>(std::max<int64_t>(deepest - count, 0) + 1), separator);
    out += line.substr(last + 1);
  } else {
    for (const char c : line) out += isPathSeparator(c) ? separator : c;
    out.append(static_cast<size_t>(std::max<int64_t>(deepest - count, 0)), separator);
  }
  out += "\r\n";
}

}  // namespace

std::string csvTable(std::string_view processedList, char separator, bool fileNameLast) {
  std::string list(processedList);
  for (char& c : list) {
    if (c == '"' || c == '\'' || c == ',' || c == ';') c = '_';
  }
  const int64_t deepest = deepestPath(list);
  std::string out;
  out.reserve(list.size() + list.size() / 4);
  LineWalker lines(list);
  while (const auto line = lines.next()) appendRow(*line, separator, fileNameLast, deepest, out);
  return out;
}

}  // namespace brimlet
