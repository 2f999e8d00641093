// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/group_sort.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "bucket_texts.h"

namespace brimlet {
namespace {

ExtensionTable tableOf(std::vector<std::string> lists) {
  ExtensionGroups groups;
  for (size_t i = 0; i < lists.size(); ++i) groups.groups[i].editedList = lists[i];
  rebuildExtensionTable(groups);
  return groups.table;
}

Buckets groups(std::string_view list, const ExtensionTable& table) {
  NoProgress progress;
  std::optional<Buckets> sorted = groupSort(list, table, progress, {});
  EXPECT_TRUE(sorted.has_value());
  return sorted.value_or(Buckets{});
}

TEST(GroupSort, LinesGoToTheirGroupsAndTheRestWithSeparators) {
  const Buckets b =
      groups("A.MP3\r\nc.txt\r\nb.jpg\r\nd.flac\r\n", tableOf({".mp3+.flac+", ".jpg+"}));
  ASSERT_EQ(b.count(), 17u);
  EXPECT_EQ(b.bucket(0), "A.MP3\r\nd.flac\r\n");
  EXPECT_EQ(b.bucket(1), "b.jpg\r\n");
  EXPECT_EQ(b.bucket(16), "c.txt\r\n");
  EXPECT_EQ(b.places[0].lines, 2);
  EXPECT_EQ(b.total, 4);
  EXPECT_EQ(b.text, "A.MP3\r\nd.flac\r\n***\r\nb.jpg\r\n***\r\nc.txt\r\n***\r\n");
  // The selection takes whole buckets with their separators.
  const bool selection[17] = {false, true,  false, false, false, false, false, false, false,
                              false, false, false, false, false, false, false, true};
  EXPECT_EQ(processedText(b, selection), "b.jpg\r\n***\r\nc.txt\r\n***\r\n");
}

// Which bucket one line lands in, with groups 0 ".mp3+.gz+", 1 "mp3+.MP3+.y",
// 2 ".jpg+.gz+", 3 ".b\readme+".
class GroupSortKey : public ::testing::TestWithParam<std::pair<std::string, size_t>> {};

TEST_P(GroupSortKey, FirstMatchingGroupWinsInLowerCase) {
  const ExtensionTable table = tableOf({".mp3+.gz+", "mp3+.MP3+.y", ".jpg+.gz+", ".b\\readme+"});
  const auto& [line, bucket] = GetParam();
  const Buckets b = groups(line + "\r\n", table);
  EXPECT_EQ(b.bucket(bucket), line + "\r\n") << line;
  EXPECT_EQ(b.places[bucket].lines, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GroupSortKey,
    ::testing::Values(std::pair{std::string("A.MP3"), size_t{0}},     // case-insensitive
                      std::pair{std::string("x.tar.GZ"), size_t{0}},  // last dot, first group
                      std::pair{std::string("a.mp3 "), size_t{16}},   // the blank is part of it
                      std::pair{std::string("mp3"), size_t{1}},       // no dot: the whole line
                      std::pair{std::string("a.y"), size_t{16}},      // text after the last "+"
                      std::pair{std::string(".JPG"), size_t{2}},
                      std::pair{std::string("C:\\a.b\\readme"), size_t{3}},
                      std::pair{std::string(""), size_t{16}},  // empty cells never match
                      std::pair{std::string("\xC4.\xC9XE"), size_t{16}}));

TEST(GroupSort, ATableWithoutEntriesMatchesNothingEvenWithOldCells) {
  ExtensionGroups g;
  g.groups[0].editedList = ".mp3+";
  rebuildExtensionTable(g);
  g.groups[0].editedList = "";
  rebuildExtensionTable(g);  // cells stay, nothing is searched
  const Buckets b = groups("a.mp3\r\n", g.table);
  EXPECT_EQ(b.bucket(16), "a.mp3\r\n");
}

TEST(GroupSort, AListWithoutLinesIsNoSortAndATailIsNoLine) {
  NoProgress progress;
  EXPECT_FALSE(groupSort("a.mp3", tableOf({".mp3+"}), progress, {}).has_value());
  const Buckets b = groups("a.mp3\r\nb.mp3", tableOf({".mp3+"}));
  EXPECT_EQ(b.bucket(0), "a.mp3\r\n");
  EXPECT_EQ(b.total, 1);
}

TEST(GroupSort, EveryByteValueButCrPassesThroughUnchanged) {
  std::string line;
  for (int c = 0; c < 256; ++c) {
    if (c != '\r') line += static_cast<char>(c);
  }
  const Buckets b = groups(line + "\r\n", tableOf({".mp3+"}));
  EXPECT_EQ(b.text, line + "\r\n***\r\n");
}

TEST(GroupSort, SamplesEveryTwoThousandthLine) {
  std::string list;
  for (int i = 1; i <= 4001; ++i) {
    list += 'f';
    list += std::to_string(i);
    list += ".x\r\n";
  }
  std::vector<std::pair<int64_t, std::string>> samples;
  NoProgress progress;
  const auto sorted = groupSort(list, tableOf({}), progress, [&](int64_t n, std::string_view line) {
    samples.emplace_back(n, line);
  });
  ASSERT_TRUE(sorted.has_value());
  EXPECT_EQ(samples,
            (std::vector<std::pair<int64_t, std::string>>{{2000, "f2000.x"}, {4000, "f4000.x"}}));
}

TEST(SingleSort, OneBucketPerExtensionInFirstAppearanceOrder) {
  NoProgress progress;
  const std::string list =
      "b.TXT\r\n***\r\na.mp3\r\n\r\nC:\\a.b\\readme\r\n/x.y/z\r\nnoext\r\nc.txt\r\nd.\r\n";
  const Buckets b = singleSort(list, false, progress);
  EXPECT_EQ(textsOf(b), (std::vector<std::string>{"b.TXT\r\nc.txt\r\n", "a.mp3\r\n", "d.\r\n",
                                                  "C:\\a.b\\readme\r\n/x.y/z\r\nnoext\r\n"}));
  EXPECT_EQ(linesOf(b), (std::vector<int64_t>{2, 1, 1, 3}));
  EXPECT_EQ(b.total, 7);  // "***" and the empty line are dropped
  const Buckets sorted = singleSort(list, true, progress);
  EXPECT_EQ(sorted.bucket(0), "d.\r\n");  // "" < "mp3" < "txt"
  EXPECT_EQ(sorted.bucket(1), "a.mp3\r\n");
}

TEST(SingleSort, WithoutAnyExtensionEverythingIsRest) {
  NoProgress progress;
  const Buckets b = singleSort("a\r\nb\r\n", true, progress);
  EXPECT_EQ(textsOf(b), (std::vector<std::string>{"a\r\nb\r\n"}));
  EXPECT_EQ(b.text, "a\r\nb\r\n***\r\n");
}

TEST(SingleSort, FilesKeepConAndUnknownInTheUnknownFile) {
  NoProgress progress;
  const ExtensionFiles files =
      extensionFiles("a.CON\r\nb.txt\r\nc.unknown\r\ne.txt\r\n***\r\nd\r\n", true, progress);
  EXPECT_EQ(files.names, (std::vector<std::string>{"txt", "unknown"}));
  EXPECT_EQ(files.text(0), "b.txt\r\ne.txt\r\n");
  EXPECT_EQ(files.text(1), "a.CON\r\nc.unknown\r\nd\r\n");
}

TEST(DeepestPath, CountsBothSeparatorsInLinesOnly) {
  EXPECT_EQ(deepestPath("C:\\a\\b.txt\r\n/u/v/w/x\r\n***\r\n"), 4);
  EXPECT_EQ(deepestPath("a\\b\\c\\d\\e"), 0);  // no CR, no line
}

}  // namespace
}  // namespace brimlet
