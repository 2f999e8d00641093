// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/combine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

TEST(CombineFolder, JoinsTheFilesByNameWithoutTheOutputOrSubfolders) {
  testing::TempFolder folder;
  folder.write("b.txt", "B");
  folder.write("a.txt", "A\r\n");
  folder.write("leer.txt", "");
  folder.write(".versteckt", "H");
  folder.write("x.txt", "altes Ergebnis");
  folder.write("unter/c.txt", "C");
  ASSERT_EQ(::mkfifo(folder.file("rohr").c_str(), 0600), 0);  // would block a reader forever
  std::filesystem::create_symlink(folder.file("a.txt"), folder.file("z-link"));

  const Combination c = combineFolder(folder.path(), "x.txt");
  EXPECT_TRUE(c.listed);
  EXPECT_EQ(c.bytes, "HA\r\nBA\r\n");
  EXPECT_TRUE(c.unreadable.empty());
}

TEST(CombineFolder, AMissingFolderIsNotListed) {
  testing::TempFolder folder;
  const Combination c = combineFolder(folder.file("fehlt/"), "0.txt");
  EXPECT_FALSE(c.listed);
  EXPECT_EQ(c.bytes, "");
}

TEST(CombineFolder, AnUnreadableFileIsNamedAndSkipped) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  testing::TempFolder folder;
  folder.write("a.txt", "A");
  folder.write("geheim.txt", "G");
  ::chmod(folder.file("geheim.txt").c_str(), 0);
  const Combination c = combineFolder(folder.path(), "0.txt");
  EXPECT_EQ(c.bytes, "A");
  EXPECT_EQ(c.unreadable, std::vector<std::string>{folder.file("geheim.txt")});
}

}  // namespace
}  // namespace brimlet
