// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

// Which entries of the target folder may be paired with new names.
struct EntryRules {
  // "" takes every entry; otherwise an entry qualifies when its name ends
  // with this text, compared without regard to letter case.
  std::string_view extension;
  // Never qualifies: the set file the names came from.
  std::string_view setFileName;
  // With an extension, the listing stops at the first matching entry found
  // once this many are collected (that entry is not collected).
  size_t wanted = 0;
};

struct EntryListing {
  std::vector<std::string> names;  // as the program writes them, listing order
  bool stoppedEarly = false;       // one more entry matched than names were wanted
};

// The entries of `folder` (with a trailing "/"): files, subfolders, hidden
// entries alike, never "." and "..". Names are decoded from the file system
// with the file-name codec. A folder that is not an absolute path or cannot
// be read has no entries.
[[nodiscard]] EntryListing listFolderEntries(const std::string& folder, const EntryRules& rules);

// Whether `name` ends with `suffix` in the program's case table.
[[nodiscard]] bool endsWithIgnoringCase(std::string_view name, std::string_view suffix);

}  // namespace brimlet
