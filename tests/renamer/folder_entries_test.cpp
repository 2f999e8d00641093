// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/folder_entries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/cp1252.h"
#include "support/temp_folder.h"

namespace brimlet {
namespace {

using Names = std::vector<std::string>;

Names sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

class FolderEntriesTest : public ::testing::Test {
 protected:
  void create(std::initializer_list<const char*> names) {
    for (const char* name : names) folder.write(name, "x");
  }
  testing::TempFolder folder;
};

TEST_F(FolderEntriesTest, TheFilterMatchesTheEndInAnyCase) {
  create({"SONG.MP3", "song.Mp3", "song.mp3.bak", "a.flac", "b.xflac", "mp3"});
  EXPECT_EQ(sorted(listFolderEntries(folder.path(), {".mp3", "", 10}).names),
            (Names{"SONG.MP3", "song.Mp3"}));
  EXPECT_EQ(sorted(listFolderEntries(folder.path(), {".flac", "", 10}).names), (Names{"a.flac"}));
  EXPECT_TRUE(listFolderEntries(folder.path(), {"..mp3", "", 10}).names.empty());
}

TEST_F(FolderEntriesTest, UnfilteredTakesEverythingButTheSetFile) {
  create({"a", ".hidden", "set.txt", "sub/inner"});
  const EntryListing listing = listFolderEntries(folder.path(), {"", "set.txt", 1});
  EXPECT_EQ(sorted(listing.names), (Names{".hidden", "a", "sub"}));
  EXPECT_FALSE(listing.stoppedEarly);
}

TEST_F(FolderEntriesTest, AMatchBeyondTheWantedCountStopsTheListing) {
  create({"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"});
  const EntryListing listing = listFolderEntries(folder.path(), {".txt", "", 3});
  EXPECT_EQ(listing.names.size(), 3u);
  EXPECT_TRUE(listing.stoppedEarly);
}

// N names, N matching files and the set file: whether the set file stops
// the listing depends on where the file system lists it, but it is never
// collected and the N files are.
TEST_F(FolderEntriesTest, TheSetFileIsNeverCollected) {
  create({"a.txt", "b.txt", "set.txt"});
  const EntryListing listing = listFolderEntries(folder.path(), {".txt", "set.txt", 2});
  EXPECT_EQ(sorted(listing.names), (Names{"a.txt", "b.txt"}));
}

TEST_F(FolderEntriesTest, NamesAreDecodedFromUtf8) {
  create(
      {"Gr\xC3\xB6\xC3\x9F"
       "e.mp3",
       "\xE2\x9C\x93.mp3"});
  EXPECT_EQ(sorted(listFolderEntries(folder.path(), {".mp3", "", 5}).names),
            (Names{"?.mp3", cp("Größe.mp3")}));
}

TEST_F(FolderEntriesTest, AFolderThatCannotBeReadHasNoEntries) {
  EXPECT_TRUE(listFolderEntries(folder.path() + "missing/", {}).names.empty());
  EXPECT_TRUE(listFolderEntries("Error", {}).names.empty());
}

}  // namespace
}  // namespace brimlet
