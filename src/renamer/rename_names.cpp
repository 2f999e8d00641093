// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_names.h"

#include <algorithm>
#include <unordered_set>

#include "core/lines.h"
#include "core/number.h"

namespace brimlet {
namespace {

std::string lastDigits(std::string digits, size_t width) {
  return digits.substr(digits.size() - std::min(width, digits.size())) + " ";
}

}  // namespace

std::vector<std::string> namesFromText(std::string_view text, const NameListRules& rules) {
  std::vector<std::string> names;
  std::unordered_set<std::string_view> seen;
  LineWalker lines(text);
  while (const std::optional<std::string_view> next = lines.next()) {
    const std::string_view line = *next;
    if (line.empty() || line == " ") continue;
    if (!rules.numbering && !seen.insert(line).second) continue;
    std::string name(line);
    name += rules.extension;
    cleanFileName(name);
    names.push_back(std::move(name));
  }
  if (rules.numbering) {
    for (size_t i = 0; i < names.size(); ++i) {
      names[i].insert(0, numberPrefix(rules.numberingTemplate, i));
    }
  }
  return names;
}

void cleanFileName(std::string& name) {
  std::erase_if(name, [](char c) {
    return c == '?' || c == '*' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
  });
  std::replace_if(
      name.begin(), name.end(),
      [](char c) { return c == '>' || c == '<' || c == '/' || c == '\\' || c == ':'; }, '_');
}

std::string numberPrefix(std::string_view numberingTemplate, size_t index) {
  const size_t width = std::clamp<size_t>(numberingTemplate.size(), 2, 5);
  const int64_t offset = std::clamp<int64_t>(integerValue(numberingTemplate), 0, 99000);
  return lastDigits("0000" + decimal(offset + static_cast<int64_t>(index) + 1), width);
}

std::string withoutLeadingNumber(std::string_view name) {
  const size_t digits = std::min(name.find_first_not_of("0123456789"), name.size());
  name.remove_prefix(digits);
  name.remove_prefix(std::min(name.find_first_not_of(' '), name.size()));
  return std::string(name);
}

std::vector<std::string> randomPrefixes(size_t count, Platform& platform) {
  constexpr size_t kFree = 0;
  std::vector<size_t> numbers(count, kFree);
  for (size_t next = 1; next <= count;) {
    const auto drawn = static_cast<size_t>(platform.random() * static_cast<double>(count));
    size_t& slot = numbers[std::min(drawn, count - 1)];
    if (slot == kFree) slot = next++;
  }
  const size_t width = count == 0 ? 1 : decimal(static_cast<int64_t>(count - 1)).size();
  std::vector<std::string> prefixes;
  prefixes.reserve(count);
  for (const size_t number : numbers) {
    prefixes.push_back(lastDigits("0000000000" + decimal(static_cast<int64_t>(number)), width));
  }
  return prefixes;
}

}  // namespace brimlet
