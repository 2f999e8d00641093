// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/folder_entries.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "support/temp_folder.h"

namespace brimlet {
namespace {

using Names = std::vector<std::string>;

class FolderEntriesTest : public ::testing::Test {
 protected:
  void create(std::initializer_list<const char*> names) {
    for (const char* name : names) folder.write(name, "x");
  }
  // "shown|system" per entry, in name order.
  Names listed(const EntryRules& rules) {
    const std::vector<FolderEntry> entries = listFolderEntries(folder.path(), rules);
    Names names;
    for (const FolderEntry& entry : entries) names.push_back(entry.name + "|" + entry.systemName);
    return names;
  }
  testing::TempFolder folder;
};

TEST_F(FolderEntriesTest, TheFilterMatchesTheEndInAnyCase) {
  create({"SONG.MP3", "song.Mp3", "song.mp3.bak", "a.flac", "b.xflac", "mp3"});
  EXPECT_EQ(listed({".mp3", {}}), (Names{"SONG.MP3|SONG.MP3", "song.Mp3|song.Mp3"}));
  EXPECT_EQ(listed({".flac", {}}), (Names{"a.flac|a.flac"}));
  EXPECT_TRUE(listed({"..mp3", {}}).empty());
}

TEST_F(FolderEntriesTest, ExcludedNamesAndDotsAreNeverListed) {
  create({"a", ".hidden", "set.txt", "Brimlet_rueck.dat", "sub/inner"});
  EXPECT_EQ(listed({"", {"set.txt", "Brimlet_rueck.dat"}}),
            (Names{".hidden|.hidden", "a|a", "sub|sub"}));
}

// Two entries can show the same name; each keeps the bytes that find it,
// and their order does not depend on the disk.
TEST_F(FolderEntriesTest, EachEntryKeepsItsSystemName) {
  create(
      {"Gr\xC3\xB6\xC3\x9F"
       "e.mp3",
       "\xE2\x9C\x93.mp3", "?.mp3", "\xC5\x81\xC3\xB3\x64\xC5\xBA.mp3"});
  EXPECT_EQ(listed({".mp3", {}}), (Names{"?.mp3|?.mp3", "?.mp3|\xE2\x9C\x93.mp3",
                                         cp("?ód?.mp3|") + "\xC5\x81\xC3\xB3\x64\xC5\xBA.mp3",
                                         cp("Größe.mp3|") + "Gr\xC3\xB6\xC3\x9F"
                                                            "e.mp3"}));
}

TEST_F(FolderEntriesTest, AFolderThatCannotBeReadHasNoEntries) {
  EXPECT_TRUE(listFolderEntries(folder.path() + "missing/", {}).empty());
  EXPECT_TRUE(listFolderEntries("Error", {}).empty());
}

}  // namespace
}  // namespace brimlet
