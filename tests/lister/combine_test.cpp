// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/combine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

using testing::TempFolder;

TEST(CombineFolder, JoinsTheFilesByNameWithoutTheOutputOrSubfolders) {
  TempFolder folder;
  folder.write("b.txt", "B");
  folder.write("a.txt", "A\r\n");
  folder.write("leer.txt", "");
  folder.write(".versteckt", "H");
  folder.write("x.txt", "altes Ergebnis");
  folder.write("unter/c.txt", "C");
  ASSERT_EQ(::mkfifo(folder.file("rohr").c_str(), 0600), 0);  // would block a reader forever
  std::filesystem::create_symlink(folder.file("a.txt"), folder.file("z-link"));

  const Combination c = combineFolder(folder.path(), "x.txt");
  EXPECT_EQ(c.status, CombineStatus::Written);
  EXPECT_EQ(folder.read("x.txt"), "HA\r\nBA\r\n");
  EXPECT_EQ(c.files, 5);
  EXPECT_TRUE(c.unreadable.empty());
}

// "日.txt" shows as "?.txt"; found again by its display name it used to
// read the real "?.txt" twice and itself never.
TEST(CombineFolder, EachFileIsReadByItsOwnBytesInNameOrder) {
  TempFolder folder;
  folder.write("a.txt", "A");
  folder.write("\xE6\x97\xA5.txt", "J");
  folder.write("?.txt", "Q");
  const Combination c = combineFolder(folder.path(), "x.txt");
  EXPECT_EQ(c.status, CombineStatus::Written);
  EXPECT_EQ(c.files, 3);
  EXPECT_EQ(folder.read("x.txt"), "QJA");
}

struct LinkCase {
  const char* what;
  const char* link;    // made beside a.txt ("A") and b.txt ("B")
  const char* target;  // relative to the folder
  const char* output;
  const char* combined;
};

class CombineLinks : public ::testing::TestWithParam<LinkCase> {};

// The old output is known by what it is, and writing it never reaches an
// input through a link.
TEST_P(CombineLinks, NeitherPullsTheOutputInNorWritesThroughToAnInput) {
  const LinkCase& c = GetParam();
  TempFolder folder;
  folder.write("a.txt", "A");
  folder.write("b.txt", "B");
  folder.write("x.txt", "X");
  ASSERT_EQ(::symlink(c.target, folder.file(c.link).c_str()), 0);
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(combineFolder(folder.path(), c.output).status, CombineStatus::Written);
    EXPECT_EQ(folder.read(c.output), c.combined) << run;
    EXPECT_EQ(folder.read("a.txt"), "A");
    EXPECT_EQ(folder.read("b.txt"), "B");
  }
}

INSTANTIATE_TEST_SUITE_P(Links, CombineLinks,
                         ::testing::Values(
                             // clang-format off
        LinkCase{"OutputLinksToAnInput", "out.txt", "a.txt", "out.txt", "ABX"},
        LinkCase{"ALinkToTheOutput", "y-link", "x.txt", "x.txt", "AB"},
        LinkCase{"OutputLinksOutside", "out.txt", "/proc/self/status", "out.txt", "ABX"}),
                         // clang-format on
                         [](const auto& row) { return std::string(row.param.what); });

TEST(CombineFolder, AHardLinkOfTheOutputIsTheOutput) {
  TempFolder folder;
  folder.write("a.txt", "A");
  folder.write("x.txt", "alt");
  ASSERT_EQ(::link(folder.file("x.txt").c_str(), folder.file("y.txt").c_str()), 0);
  ASSERT_EQ(combineFolder(folder.path(), "x.txt").status, CombineStatus::Written);
  EXPECT_EQ(folder.read("x.txt"), "A");
  EXPECT_EQ(folder.read("y.txt"), "alt");
}

TEST(CombineFolder, ANameThatIsNoSingleEntryIsRefusedBeforeAnything) {
  TempFolder folder;
  folder.write("a.txt", "A");
  folder.write("notes", "fremd");
  using namespace std::string_literals;
  for (const std::string& name :
       {"./x.txt"s, "../x.txt"s, "sub/x.txt"s, "."s, ".."s, ""s, "notes\0x"s}) {
    EXPECT_EQ(combineFolder(folder.path(), name).status, CombineStatus::BadName) << name;
  }
  EXPECT_EQ(folder.read("notes"), "fremd");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(CombineFolder, AnOutputThatIsNoFileIsAFailedWriteNotAWait) {
  TempFolder folder;
  folder.write("a.txt", "A");
  ASSERT_EQ(::mkfifo(folder.file("0.txt").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.file("0.html"));
  EXPECT_EQ(combineFolder(folder.path(), "0.txt").status, CombineStatus::WriteFailed);
  EXPECT_EQ(combineFolder(folder.path(), "0.html").status, CombineStatus::WriteFailed);
}

TEST(CombineFolder, AMissingFolderIsNotListed) {
  TempFolder folder;
  const Combination c = combineFolder(folder.file("fehlt/"), "0.txt");
  EXPECT_EQ(c.status, CombineStatus::FolderUnreadable);
  EXPECT_FALSE(std::filesystem::exists(folder.file("fehlt")));
}

TEST(CombineFolder, AnUnreadableFileIsNamedAndSkipped) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  TempFolder folder;
  folder.write("a.txt", "A");
  folder.write("geheim.txt", "G");
  ::chmod(folder.file("geheim.txt").c_str(), 0);
  const Combination c = combineFolder(folder.path(), "0.txt");
  EXPECT_EQ(folder.read("0.txt"), "A");
  EXPECT_EQ(c.files, 1);
  EXPECT_EQ(c.unreadable, std::vector<std::string>{folder.file("geheim.txt")});
}

}  // namespace
}  // namespace brimlet
