// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

inline constexpr int kGroupCount = 16;

// A group's extensions are one string in which every entry is followed by
// "+" (".mp3+.wav+"); text after the last "+" is not an entry.
struct ExtensionGroup {
  std::string name;
  std::string editedList;     // changed by the extension-edit dialog
  std::string committedList;  // taken over when that dialog is confirmed
};

// The lookup table of the group sort: row i holds the entries of group i's
// edited list, padded with empty cells to the longest list. Lookups search
// cells 0..largestEntryIndex of each row.
struct ExtensionTable {
  std::vector<std::vector<std::string>> cells =
      std::vector<std::vector<std::string>>(kGroupCount, std::vector<std::string>(2));
  int largestEntryIndex = -1;
};

struct ExtensionGroups {
  std::array<ExtensionGroup, kGroupCount> groups;
  ExtensionTable table;
  // Which buckets (the 16 groups and the rest) the selection exports take.
  std::array<bool, kGroupCount + 1> selected{};
};

// What a group file can sensibly hold: far more extensions per group than
// there are, and 16 such lists. The table has a cell for every group times
// the longest list, so past these bounds a broken file would fill the
// memory; it is read up to them and the rest is ignored.
inline constexpr size_t kMaxGroupEntries = 10'000;
inline constexpr size_t kMaxGroupFileBytes = kGroupCount * kMaxGroupEntries * 64;

// The group file "Brimlet_edgs.txt": 16 lines of name "=" list "#" CR LF.
// Lines that are missing or carry no "=" leave their groups empty. Both the
// edited and the committed lists are set. The table is not rebuilt here.
// A list keeps its first kMaxGroupEntries entries; false when one was cut.
[[nodiscard]] bool parseGroupFile(std::string_view text, ExtensionGroups& groups);

// The group file's text: for each group its name, "=", its edited list,
// "#" and CR LF.   {"Audio", "mp3+flac"} -> "Audio=mp3+flac#\r\n"
[[nodiscard]] std::string groupFileText(const ExtensionGroups& groups);

// Rebuilds the table from the edited lists. When no list has an entry the
// cells keep their former content but the largest entry index becomes -1,
// so the group sort searches no cell at all.
void rebuildExtensionTable(ExtensionGroups& groups);

// The entries of one list: ".mp3+.wav+x" -> ".mp3", ".wav".
[[nodiscard]] std::vector<std::string> listEntries(std::string_view list);

}  // namespace brimlet
