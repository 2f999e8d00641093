// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lines.h"

#include <algorithm>
#include <string>

namespace brimlet {

void appendFinalLineEnd(std::string& text) {
  if (text.ends_with("\r\n")) return;
  if (text.ends_with('\n')) text.pop_back();
  text += "\r\n";
}

size_t countCr(std::string_view text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\r'));
}

std::string lfToCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
  for (size_t start = 0; start < text.size();) {
    const size_t lf = std::min(text.find('\n', start), text.size());
    out.append(text, start, lf - start);
    if (lf == text.size()) break;
    if (lf == 0 || text[lf - 1] != '\r') out += '\r';
    out += '\n';
    start = lf + 1;
  }
  return out;
}

std::string crLfToLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t start = 0; start < text.size();) {
    const size_t cr = std::min(text.find("\r\n", start), text.size());
    out.append(text, start, cr - start);
    if (cr == text.size()) break;
    out += '\n';
    start = cr + 2;
  }
  return out;
}

}  // namespace brimlet
