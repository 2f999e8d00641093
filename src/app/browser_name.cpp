// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browser_name.h"

#include <vector>

#include "core/casemap.h"

namespace brimlet {
namespace {

bool isVendorWord(std::string_view word) {
  return word == "google" || word == "microsoft" || word == "mozilla";
}

}  // namespace

std::string shortBrowserName(std::string_view entry) {
  while (!entry.empty() && (entry.back() == '\n' || entry.back() == '\r' || entry.back() == ' ')) {
    entry.remove_suffix(1);
  }
  if (entry.ends_with(".desktop")) entry.remove_suffix(8);
  if (const size_t dot = entry.rfind('.'); dot != std::string_view::npos) {
    entry.remove_prefix(dot + 1);
  }
  std::vector<std::string> words;
  std::string word;
  for (const char c : entry) {
    if (c == '-' || c == '_' || c == ' ') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      word += static_cast<char>(toLower(static_cast<unsigned char>(c)));
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  if (words.empty()) return {};
  std::string name = words.size() > 1 && isVendorWord(words[0]) ? words[1] : words[0];
  name[0] = static_cast<char>(toUpper(static_cast<unsigned char>(name[0])));
  return name;
}

}  // namespace brimlet
