// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/folder_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

class ReadFolder : public ::testing::Test {
 protected:
  ReadFolder() : root(tree.path().substr(0, tree.path().size() - 1)) {
    tree.write("a.mp3", "x");
    tree.write("sub/b.jpg", "x");
    tree.write("sub/deep/c.txt", "x");
    tree.write("sub/\xE4\xFF\x80.txt", "x");
    fs::create_directory(root + "/empty");
    fs::create_directory_symlink("..", root + "/sub/loop");
  }

  FolderReading read(bool subfoldersAsEntries, const std::string& folder) {
    NoProgress progress;
    return readFolder(folder, subfoldersAsEntries, progress,
                      [this](std::string_view line) { logged.emplace_back(line); });
  }

  TempFolder tree;
  std::string root;
  std::vector<std::string> logged;
};

// The name taken byte for byte reads as "äÿ€" and so sorts with the a.
TEST_F(ReadFolder, ListsFilesDepthFirstInNameOrderWithLinksAsEntries) {
  const FolderReading reading = read(false, root);
  EXPECT_EQ(reading.list, root + "/a.mp3\r\n" +                     //
                              root + "/sub/\xE4\xFF\x80.txt\r\n" +  //
                              root + "/sub/b.jpg\r\n" +             //
                              root + "/sub/deep/c.txt\r\n" +        //
                              root + "/sub/loop\r\n");
  EXPECT_EQ(reading.entries, 5);
  EXPECT_EQ(logged, (std::vector<std::string>{"Ordner: " + root, "Ordner: " + root + "/empty",
                                              "Ordner: " + root + "/sub",
                                              "Ordner: " + root + "/sub/deep"}));
}

TEST_F(ReadFolder, SubfoldersAsEntriesListsOneLevel) {
  const FolderReading reading = read(true, root);
  EXPECT_EQ(reading.list, root + "/a.mp3\r\n" + root + "/empty\r\n" + root + "/sub\r\n");
  EXPECT_EQ(reading.entries, 3);
  EXPECT_EQ(logged, std::vector<std::string>{"Ordner: " + root});
}

TEST_F(ReadFolder, AnEmptySubfolderAloneGivesNothingOrOneLine) {
  EXPECT_EQ(read(false, root + "/empty").list, "");
  fs::remove_all(root + "/sub");
  fs::remove(root + "/a.mp3");
  EXPECT_EQ(read(false, root).list, "");
  EXPECT_EQ(read(true, root).list, root + "/empty\r\n");
}

TEST_F(ReadFolder, AnUnreadableSubfolderIsLoggedAndSkipped) {
  // Root reads every folder, so the reading is done as nobody.
  const bool asRoot = ::geteuid() == 0;
  ::chmod(root.c_str(), 0755);
  ::chmod((root + "/sub").c_str(), 0);
  if (asRoot) {
    ASSERT_EQ(::seteuid(65534), 0);
  }
  const FolderReading reading = read(false, root);
  if (asRoot) {
    ASSERT_EQ(::seteuid(0), 0);
  }
  ::chmod((root + "/sub").c_str(), 0755);
  EXPECT_EQ(reading.entries, 1);
  EXPECT_EQ(reading.list, root + "/a.mp3\r\n");
  EXPECT_NE(
      std::find(logged.begin(), logged.end(), "-fehler: ordner nicht lesbar: " + root + "/sub"),
      logged.end());
}

TEST_F(ReadFolder, TheRootReadsAsEmptyAndNonPathsAreNotRead) {
  const FolderReading top = read(true, "");
  ASSERT_FALSE(top.list.empty());
  EXPECT_EQ(top.list[0], '/');
  EXPECT_EQ(top.list.find("//"), std::string::npos);
  EXPECT_NE(top.list.find("/tmp\r\n"), std::string::npos);
  logged.clear();
  EXPECT_EQ(read(false, "Error").entries, 0);
  EXPECT_TRUE(logged.empty());
}

class RecordingProgress final : public Progress {
 public:
  void setMaximum(int64_t value) override { maximum = value; }
  void setValue(int64_t value) override {
    if (values.empty() || values.back() != value) values.push_back(value);
  }
  int64_t maximum = 0;
  std::vector<int64_t> values;
};

TEST(ReadFolderProgress, BackToZeroEveryFiveHundredElevenMoreEveryFifty) {
  TempFolder tree;
  for (int i = 0; i < 1000; ++i) tree.write(std::to_string(i) + ".f", "");
  RecordingProgress progress;
  const std::string root = tree.path().substr(0, tree.path().size() - 1);
  EXPECT_EQ(readFolder(root, false, progress, [](std::string_view) {}).entries, 1000);
  std::vector<int64_t> expected;
  for (int round = 0; round < 2; ++round) {
    for (int v = 0; v <= 99; v += 11) expected.push_back(v);
  }
  expected.push_back(0);
  EXPECT_EQ(progress.maximum, 100);
  EXPECT_EQ(progress.values, expected);
}

}  // namespace
}  // namespace brimlet

namespace brimlet {
namespace {

struct ListedName {
  std::string onDisk;  // the system's bytes
  std::string listed;  // the program's Windows-1252 line, below the folder
};

// Names created in an order the file system would not keep; case and
// accents weigh nothing, digits come before letters, and equal display
// names ("?" for a character without a Windows-1252 byte) go by their bytes.
TEST(ReadFolderNames, EachFolderComesInTheProgramsTextOrder) {
  testing::TempFolder tree;
  for (const char* name : {"zebra.mp3", "Birne.mp3", "\xC3\x84pfel.mp3", "apfel.mp3", "birne.mp3",
                           "10.mp3", "9.mp3", "\xE6\x97\xA5.mp3", "?.mp3", "\xF0\x9F\x8E\xB5.mp3",
                           "m/2.mp3", "m/1.mp3", "\xC3\xB6/x.mp3"}) {
    tree.write(name, "");
  }
  const std::string root = tree.path().substr(0, tree.path().size() - 1);
  NoProgress progress;
  const FolderReading reading = readFolder(root, false, progress, [](std::string_view) {});
  std::string expected;
  for (const char* name :
       {"10.mp3", "9.mp3", "?.mp3", "?.mp3", "?.mp3", "apfel.mp3", "\xC4pfel.mp3", "Birne.mp3",
        "birne.mp3", "m/1.mp3", "m/2.mp3", "\xF6/x.mp3", "zebra.mp3"}) {
    expected += root + "/" + name + "\r\n";
  }
  EXPECT_EQ(reading.list, expected);
  EXPECT_EQ(reading.namesWithLostCharacters, 2);
}

// Names that share a long start, one of them that start alone, and two
// that differ only far behind it.
TEST(ReadFolderNames, ALongSharedStartStillSortsByTheWholeName) {
  testing::TempFolder tree;
  const char* sorted[] = {
      "datei 0162",           "datei 0162 00.mov", "datei 0162 00.movie1", "DATEI 0162 00.movie2",
      "datei 0162 00.movie2", "datei 0162 01.JPG", "datei 0162 \xC4",      "datei 0163"};
  for (auto it = std::rbegin(sorted); it != std::rend(sorted); ++it) tree.write(*it, "");
  const std::string root = tree.path().substr(0, tree.path().size() - 1);
  NoProgress progress;
  std::string expected;
  for (const char* name : sorted) expected += root + "/" + name + "\r\n";
  EXPECT_EQ(readFolder(root, false, progress, [](std::string_view) {}).list, expected);
}

TEST(ReadFolderNames, NamesAreDecodedAndFoldersOpenedByTheirOwnBytes) {
  const ListedName cases[] = {
      {"\xC3\x9C"
       "bersicht.png",
       "\xDC"
       "bersicht.png"},
      {"cr\rname.mp3", "cr?name.mp3"},
      {"lf\nname.mp3", "lf?name.mp3"},
      {"\xE4rger.txt", "\xE4rger.txt"},  // not UTF-8: byte for byte
      {"\xE2\x82\xAC.txt", "\x80.txt"},  // the euro sign has a byte of its own
      // A folder whose name has no Windows-1252 form is still read.
      {"\xE6\x97\xA5\xE6\x9C\xAC/lied.mp3",
       "?"
       "?/lied.mp3"},
      {"\xC3\xA4rger/\xC3\xB6l.txt", "\xE4rger/\xF6l.txt"},
  };
  testing::TempFolder tree;
  for (const ListedName& c : cases) tree.write(c.onDisk, "");
  const std::string root = tree.path().substr(0, tree.path().size() - 1);
  NoProgress progress;
  const FolderReading reading = readFolder(root, false, progress, [](std::string_view) {});
  EXPECT_EQ(reading.entries, static_cast<int64_t>(std::size(cases)));
  EXPECT_EQ(reading.namesWithLostCharacters, 3);  // CR, LF, and the folder
  for (const ListedName& c : cases) {
    EXPECT_NE(reading.list.find(root + "/" + c.listed + "\r\n"), std::string::npos) << c.listed;
  }
}

}  // namespace
}  // namespace brimlet
