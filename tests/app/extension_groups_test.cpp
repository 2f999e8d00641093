#include <gtest/gtest.h>

#include "app/extension_groups.h"

namespace brimlet {
namespace {

std::string groupFile(int lines) {
  std::string text = "Audio=.mp3+.flac+#\r\nBilder=.jpg+#\r\n";
  for (int i = 2; i < lines; ++i) text += "=#\r\n";
  return text;
}

TEST(GroupFile, NamesListsAndTableComeFromTheLines) {
  ExtensionGroups g;
  parseGroupFile(groupFile(16), g);
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
  parseGroupFile("Audio=.mp3+#", g);  // no line end at all
  EXPECT_EQ(g.groups[0].editedList, ".mp3+");
  for (int i = 1; i < kGroupCount; ++i) EXPECT_EQ(g.groups[i].name, "") << i;
  parseGroupFile(std::string(50, '\0'), g);
  EXPECT_EQ(g.groups[0].editedList, "");
}

TEST(GroupFile, ListEntriesEndAtTheirPlus) {
  EXPECT_EQ(listEntries("x+y"), (std::vector<std::string>{"x"}));
  EXPECT_EQ(listEntries("+.a++"), (std::vector<std::string>{"", ".a", ""}));
  EXPECT_TRUE(listEntries("").empty());
}

TEST(GroupFile, NoEntriesAnywhereMeansNoCellIsSearched) {
  ExtensionGroups g;
  parseGroupFile(groupFile(16), g);
  rebuildExtensionTable(g);
  for (auto& group : g.groups) group.editedList.clear();
  rebuildExtensionTable(g);
  EXPECT_EQ(g.table.largestEntryIndex, -1);
}

}  // namespace
}  // namespace brimlet
