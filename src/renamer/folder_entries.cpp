// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/folder_entries.h"

#include <algorithm>
#include <optional>

#include "core/casemap.h"
#include "core/file_name_codec.h"
#include "core/folder_listing.h"

namespace brimlet {

bool endsWithIgnoringCase(std::string_view name, std::string_view suffix) {
  if (suffix.size() > name.size()) return false;
  return std::equal(suffix.begin(), suffix.end(),
                    name.end() - static_cast<ptrdiff_t>(suffix.size()), sameIgnoringCase);
}

std::vector<FolderEntry> listFolderEntries(const std::string& folder, const EntryRules& rules) {
  std::vector<FolderEntry> entries;
  if (!folder.starts_with('/')) return entries;
  FolderLister lister;
  const std::optional<FolderListing> listing = lister.list(encodePath(folder));
  if (!listing) return entries;
  for (const FolderListing::Entry& entry : listing->entries) {
    const std::string_view systemName = listing->systemName(entry);
    if (std::find(rules.excluded.begin(), rules.excluded.end(), systemName) !=
        rules.excluded.end()) {
      continue;
    }
    const std::string_view name = listing->name(entry);
    if (endsWithIgnoringCase(name, rules.extension)) {
      entries.push_back({std::string(name), std::string(systemName)});
    }
  }
  return entries;
}

}  // namespace brimlet
