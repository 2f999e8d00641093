// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/address_extraction.h"

namespace brimlet {
namespace {

bool isAddressByte(char c) {
  return c == '-' || c == '.' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

}  // namespace

std::optional<std::string> extractAddresses(std::string_view text, bool wholeLines) {
  if (text.size() < 8) return std::nullopt;
  // A line break before the text lets the first line end its left side as
  // every other line does.
  std::string examined;
  examined.reserve(text.size() + 2);
  examined.append("\r\n").append(text);
  const std::string_view t = examined;
  std::string result;
  size_t at = 1;
  for (;;) {
    at = t.find('@', at);
    if (at == std::string_view::npos || at + 1 >= t.size()) break;
    size_t right = at + 1;
    size_t left = at;
    if (wholeLines) {
      while (right < t.size() && t[right] != '\r') ++right;
      while (t[left - 1] != '\n') --left;
    } else {
      while (right < t.size() && isAddressByte(t[right])) ++right;
      while (left > 0 && isAddressByte(t[left - 1])) --left;
    }
    if (right == at + 1 || left == at) {
      ++at;
      continue;
    }
    result += t.substr(left, right - left);
    result += "\r\n";
    at = right;
  }
  return result;
}

}  // namespace brimlet
