// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/extension_groups.h"

#include <gtest/gtest.h>

namespace brimlet {
namespace {

std::string groupFile(int lines) {
  std::string text = "Audio=.mp3+.flac+#\r\nBilder=.jpg+#\r\n";
  for (int i = 2; i < lines; ++i) text += "=#\r\n";
  return text;
}

TEST(GroupFile, NamesListsAndTableComeFromTheLines) {
  ExtensionGroups g;
  EXPECT_TRUE(parseGroupFile(groupFile(16), g));
  rebuildExtensionTable(g);
  EXPECT_EQ(g.groups[0].name, "Audio");
  EXPECT_EQ(g.groups[0].editedList, ".mp3+.flac+");
  EXPECT_EQ(g.groups[0].committedList, ".mp3+.flac+");
  EXPECT_EQ(g.groups[1].editedList, ".jpg+");
  EXPECT_EQ(g.table.largestEntryIndex, 1);
  EXPECT_EQ(g.table.cells[0], (std::vector<std::string>{".mp3", ".flac"}));
  EXPECT_EQ(g.table.cells[1], (std::vector<std::string>{".jpg", ""}));
  EXPECT_EQ(g.table.cells[15], (std::vector<std::string>{"", ""}));
}

TEST(GroupFile, FewerLinesLeaveTheOtherGroupsEmpty) {
  ExtensionGroups g;
  EXPECT_TRUE(parseGroupFile("Audio=.mp3+#", g));  // no line end at all
  EXPECT_EQ(g.groups[0].editedList, ".mp3+");
  for (int i = 1; i < kGroupCount; ++i) EXPECT_EQ(g.groups[i].name, "") << i;
  EXPECT_TRUE(parseGroupFile(std::string(50, '\0'), g));
  EXPECT_EQ(g.groups[0].editedList, "");
}

// A group file of 10,000,000 "+" made a table of 16 rows of as many cells
// and ended the program for want of memory.
TEST(GroupFile, AListPastItsBoundIsCutAfterItsLastEntry) {
  const std::string full(kMaxGroupEntries, '+');
  const struct {
    std::string list;
    bool whole;
    std::string kept;
  } cases[] = {
      {full, true, full},
      {full + "tail", true, full + "tail"},  // text after the last "+" is no entry
      {full + "+", false, full},
      {full + ".mp3+.wav+x", false, full},
  };
  for (const auto& c : cases) {
    ExtensionGroups g;
    EXPECT_EQ(parseGroupFile("G=" + c.list + "#\r\n", g), c.whole) << c.list.size();
    EXPECT_TRUE(g.groups[0].editedList == c.kept) << c.list.size();
    EXPECT_TRUE(g.groups[0].committedList == c.kept) << c.list.size();
  }
}

TEST(GroupFile, ListEntriesEndAtTheirPlus) {
  EXPECT_EQ(listEntries("x+y"), (std::vector<std::string>{"x"}));
  EXPECT_EQ(listEntries("+.a++"), (std::vector<std::string>{"", ".a", ""}));
  EXPECT_TRUE(listEntries("").empty());
}

TEST(GroupFile, NoEntriesAnywhereMeansNoCellIsSearched) {
  ExtensionGroups g;
  EXPECT_TRUE(parseGroupFile(groupFile(16), g));
  rebuildExtensionTable(g);
  for (auto& group : g.groups) group.editedList.clear();
  rebuildExtensionTable(g);
  EXPECT_EQ(g.table.largestEntryIndex, -1);
}

}  // namespace
}  // namespace brimlet
