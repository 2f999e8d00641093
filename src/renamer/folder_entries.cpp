// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/folder_entries.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

#include "core/casemap.h"
#include "core/file_name_codec.h"

namespace brimlet {

bool endsWithIgnoringCase(std::string_view name, std::string_view suffix) {
  if (suffix.size() > name.size()) return false;
  return std::equal(suffix.begin(), suffix.end(),
                    name.end() - static_cast<ptrdiff_t>(suffix.size()), [](char a, char b) {
                      return toLower(static_cast<unsigned char>(a)) ==
                             toLower(static_cast<unsigned char>(b));
                    });
}

EntryListing listFolderEntries(const std::string& folder, const EntryRules& rules) {
  EntryListing listing;
  if (!folder.starts_with('/')) return listing;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(encodePath(folder).c_str()), ::closedir);
  if (!dir) return listing;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view systemName = entry->d_name;
    if (systemName == "." || systemName == "..") continue;
    std::string name = decodeFileName(systemName);
    if (!rules.extension.empty()) {
      if (!endsWithIgnoringCase(name, rules.extension)) continue;
      if (listing.names.size() == rules.wanted) {
        listing.stoppedEarly = true;
        break;
      }
    }
    if (name == rules.setFileName) continue;
    listing.names.push_back(std::move(name));
  }
  return listing;
}

}  // namespace brimlet
