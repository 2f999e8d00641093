// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_append.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brimlet
