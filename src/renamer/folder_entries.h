// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

// One entry of a folder: the name the program shows and the bytes the file
// system knows it by. Two entries can show the same name (a real "?.txt"
// beside one whose name has no Windows-1252 form), so only the system name
// finds the entry again.
struct FolderEntry {
  std::string name;
  std::string systemName;
};

// Which entries of the target folder may be paired with new names.
struct EntryRules {
  // "" takes every entry; otherwise an entry qualifies when its name ends
  // with this text, compared without regard to letter case.
  std::string_view extension;
  // System names that never qualify: the set file the names came from and
  // the program's own files when they live in this folder.
  std::vector<std::string> excluded;
};

// The entries of `folder` (with a trailing "/"): files, subfolders, hidden
// entries alike, never "." and "..", in name order (the folder lister's, so
// that a pairing never depends on the disk). A folder that is not an
// absolute path or cannot be read has no entries.
[[nodiscard]] std::vector<FolderEntry> listFolderEntries(const std::string& folder,
                                                         const EntryRules& rules);

// Whether `name` ends with `suffix` in the program's case table.
[[nodiscard]] bool endsWithIgnoringCase(std::string_view name, std::string_view suffix);

}  // namespace brimlet
