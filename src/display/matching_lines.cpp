// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/matching_lines.h"

#include "core/lines.h"
#include "core/number.h"

namespace brimlet {

std::string matchingLines(std::string_view text, const LineFilter& filter, bool numbered) {
  std::string result;
  int64_t kept = 0;
  int64_t number = 0;
  LineWalker lines(text);
  while (const auto line = lines.next()) {
    ++number;
    if (line->find(filter.contains) == std::string_view::npos) continue;
    if (!filter.without.empty() && line->find(filter.without) != std::string_view::npos) continue;
    if (numbered) {
      result += decimal(number);
      result += '\t';
    }
    result += *line;
    result += "\r\n";
    ++kept;
  }
  result += "\r\n\r\n";
  result += decimal(kept);
  result += "\r\n";
  return result;
}

}  // namespace brimlet
