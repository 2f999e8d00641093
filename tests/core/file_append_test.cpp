// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_append.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

TEST(AppendToFile, CreatesThenGrowsTheFile) {
  testing::TempFolder folder;
  ASSERT_TRUE(appendToFile(folder.file("db.txt"), "a\r\n***\r\n"));
  ASSERT_TRUE(appendToFile(folder.file("db.txt"), std::string("\0\xFF", 2)));
  EXPECT_EQ(folder.read("db.txt"), std::string("a\r\n***\r\n\0\xFF", 10));
}

TEST(AppendToFile, FailsWhereNoFileCanBe) {
  testing::TempFolder folder;
  EXPECT_FALSE(appendToFile(folder.path(), "x"));
  EXPECT_FALSE(appendToFile(folder.file("fehlt/db.txt"), "x"));
  EXPECT_FALSE(appendToFile(std::string(testing::kUnwritableFolder) + "db.txt", "x"));
}

// A FIFO without a reader used to hold the open for ever.
TEST(AppendToFile, WritesOnlyRegularFilesAndNeverWaits) {
  testing::TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.file("Audio.txt").c_str(), 0600), 0);
  EXPECT_FALSE(appendToFile(folder.file("Audio.txt"), "x"));
  EXPECT_FALSE(appendToFile("/dev/null", "x"));
}

TEST(AppendToFile, ANulInThePathNamesNoFile) {
  testing::TempFolder folder;
  folder.write("notes", "fremd");
  EXPECT_FALSE(appendToFile(folder.file(std::string("notes\0x.txt", 11)), "x"));
  EXPECT_EQ(folder.read("notes"), "fremd");
}

}  // namespace
}  // namespace brimlet
