// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/folder_entries.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

#include "core/casemap.h"
#include "core/file_name_codec.h"
#include "core/text_compare.h"

namespace brimlet {

bool endsWithIgnoringCase(std::string_view name, std::string_view suffix) {
  if (suffix.size() > name.size()) return false;
  return std::equal(suffix.begin(), suffix.end(),
                    name.end() - static_cast<ptrdiff_t>(suffix.size()), [](char a, char b) {
                      return toLower(static_cast<unsigned char>(a)) ==
                             toLower(static_cast<unsigned char>(b));
                    });
}

void forEachSystemName(const std::string& folder,
                       const std::function<void(std::string_view)>& visit) {
  if (!folder.starts_with('/')) return;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(encodePath(folder).c_str()), ::closedir);
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view systemName = entry->d_name;
    if (systemName != "." && systemName != "..") visit(systemName);
  }
}

std::vector<FolderEntry> listFolderEntries(const std::string& folder, const EntryRules& rules) {
  std::vector<FolderEntry> entries;
  forEachSystemName(folder, [&](std::string_view systemName) {
    if (std::find(rules.excluded.begin(), rules.excluded.end(), systemName) !=
        rules.excluded.end()) {
      return;
    }
    std::string name = decodeFileName(systemName);
    if (endsWithIgnoringCase(name, rules.extension)) {
      entries.push_back({std::move(name), std::string(systemName)});
    }
  });
  return entries;
}

void sortByName(std::vector<FolderEntry>& entries) {
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    const int order = compareText(a.name, b.name);
    return order != 0 ? order < 0 : a.systemName < b.systemName;
  });
}

}  // namespace brimlet
