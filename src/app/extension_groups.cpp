// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/extension_groups.h"

#include <algorithm>

namespace brimlet {

namespace {

// The list up to and with its kMaxGroupEntries-th "+", when more follow.
std::string_view boundedList(std::string_view list, bool& cut) {
  size_t plus = std::string_view::npos;
  for (size_t entry = 0; entry < kMaxGroupEntries; ++entry) {
    plus = list.find('+', plus + 1);
    if (plus == std::string_view::npos) return list;
  }
  if (list.find('+', plus + 1) == std::string_view::npos) return list;
  cut = true;
  return list.substr(0, plus + 1);
}

}  // namespace

bool parseGroupFile(std::string_view text, ExtensionGroups& groups) {
  bool cut = false;
  size_t pos = 0;
  for (auto& group : groups.groups) {
    group = ExtensionGroup{};
    if (pos >= text.size()) continue;
    const size_t equals = text.find('=', pos);
    if (equals == std::string_view::npos) {
      pos = text.size();
      continue;
    }
    size_t cr = text.find('\r', equals);
    if (cr == std::string_view::npos) cr = text.size();
    group.name = std::string(text.substr(pos, equals - pos));
    std::string_view list = text.substr(equals + 1, cr - equals - 1);
    if (!list.empty()) list.remove_suffix(1);  // the terminator "#"
    group.editedList = std::string(boundedList(list, cut));
    group.committedList = group.editedList;
    pos = cr + 2;
  }
  return !cut;
}

std::string groupFileText(const ExtensionGroups& groups) {
  std::string text;
  for (const auto& group : groups.groups) text += group.name + "=" + group.editedList + "#\r\n";
  return text;
}

std::vector<std::string> listEntries(std::string_view list) {
  std::vector<std::string> entries;
  size_t pos = 0;
  for (size_t plus = list.find('+'); plus != std::string_view::npos; plus = list.find('+', pos)) {
    entries.emplace_back(list.substr(pos, plus - pos));
    pos = plus + 1;
  }
  return entries;
}

void rebuildExtensionTable(ExtensionGroups& groups) {
  size_t largest = 0;
  for (const auto& group : groups.groups) {
    largest = std::max(largest, static_cast<size_t>(std::count(group.editedList.begin(),
                                                               group.editedList.end(), '+')));
  }
  if (largest == 0) {
    groups.table.largestEntryIndex = -1;  // the cells stay, but nothing is searched
    return;
  }
  ExtensionTable table;
  table.largestEntryIndex = static_cast<int>(largest) - 1;
  for (size_t i = 0; i < groups.groups.size(); ++i) {
    std::vector<std::string> row = listEntries(groups.groups[i].editedList);
    row.resize(largest);
    table.cells[i] = std::move(row);
  }
  groups.table = std::move(table);
}

}  // namespace brimlet
