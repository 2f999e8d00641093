// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "workshop/binary_filter.h"
#include "workshop/tag_removal.h"
#include "workshop/word_index.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

struct FilterCase {
  BreakMode mode;
  bool special;
  std::string input;
  std::string expected;
  int64_t removed;
  int64_t breaks;
};

class FilterBinary : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterBinary, KeepsReadableBytesAndBreaksLines) {
  const FilterCase& c = GetParam();
  NoProgress progress;
  const BinaryFilterResult r = filterBinary(c.input, c.mode, c.special, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.removed, c.removed);
  EXPECT_EQ(r.breaks, c.breaks);
}

const std::string k81 = std::string(81, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterBinary,
    ::testing::Values(FilterCase{BreakMode::None, false, "a+b", "ab", 1, 0},
                      FilterCase{BreakMode::None, false, "\0\x01x\x7F\r\n"s, "x\r\n", 3, 0},
                      FilterCase{BreakMode::DropBreaks, false, "a\r\nb\r\n", "ab", 4, 0},
                      // German letters stay, the other accented letters go.
                      FilterCase{BreakMode::None, false, "\xC4\xD6\xDC\xDF\xE4\xF6\xFC\xE9\xC0",
                                 "\xC4\xD6\xDC\xDF\xE4\xF6\xFC", 2, 0},
                      FilterCase{BreakMode::None, false, "#<b>@{|}\x80", "#<b>@{|}\x80", 0, 0},
                      FilterCase{BreakMode::None, true, "#<b>@{|}\x80\\", "b\\", 8, 0},
                      FilterCase{BreakMode::AfterBlank, false, "x y z", "x \r\ny \r\nz", 0, 2},
                      FilterCase{BreakMode::AfterBlank, false, " x y ", " x \r\ny ", 0, 1},
                      FilterCase{BreakMode::DriveLetter, false, "dir C:\\a D:\\b",
                                 "dir \r\nC:\\a \r\nD:\\b", 0, 2},
                      FilterCase{BreakMode::DriveLetter, false, "C:\\a", "C:\\a", 0, 0},
                      FilterCase{BreakMode::DriveLetter, false, "ab:", "ab:", 0, 0},
                      // Nothing kept before the colon: the break goes before the colon alone.
                      FilterCase{BreakMode::DriveLetter, false, "\x01\x02:x", "\r\n:x", 2, 1},
                      FilterCase{BreakMode::Every80, false, k81 + "b", k81 + "\r\nb", 0, 1},
                      FilterCase{BreakMode::Every80, false, k81, k81, 0, 0},
                      // Kept line ends count, and never get a break after them.
                      FilterCase{BreakMode::Every80, false, "\r\n" + std::string(78, 'a') + "bc",
                                 "\r\n" + std::string(78, 'a') + "b\r\nc", 0, 1},
                      FilterCase{BreakMode::Every80, false, std::string(80, 'a') + "\r\nx",
                                 std::string(80, 'a') + "\r\nx", 0, 0},
                      FilterCase{BreakMode::Every80, false,
                                 std::string(80, 'a') + "\x01"
                                                        "bc",
                                 std::string(80, 'a') + "b\r\nc", 1, 1}));

struct TagCase {
  std::string input;
  std::string open;
  std::string close;
  bool found;
  std::string expected;
  int64_t tags;
};

class RemoveTags : public ::testing::TestWithParam<TagCase> {};

TEST_P(RemoveTags, RemovesEachSpanOnce) {
  const TagCase& c = GetParam();
  NoProgress progress;
  const TagRemoval r = removeTags(c.input, c.open, c.close, progress);
  EXPECT_EQ(r.delimitersFound, c.found);
  if (c.found) {
    EXPECT_EQ(r.text, c.expected);
  }
  EXPECT_EQ(r.tags, c.tags);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveTags,
    ::testing::Values(
        TagCase{"ab<i>cd</i>ef", "<", ">", true, "abcdef", 2},
        TagCase{"a>b", "<", ">", false, "", 0}, TagCase{"a<b", "<", ">", false, "", 0},
        TagCase{"a<b<c>d", "<", ">", true, "ad", 1}, TagCase{"x>y<z", "<", ">", true, "x>y<z", 0},
        TagCase{"<a>b<c", "<", ">", true, "b<c", 1}, TagCase{"[a]b[c]", "[", "]", true, "b", 2},
        TagCase{"a<!--x-->b<!--y", "<!--", "-->", true, "ab<!--y", 1},
        // The closing search starts behind the whole opening delimiter.
        TagCase{"a<!-->b-->c", "<!--", "-->", true, "ac", 1},
        TagCase{"*a*b*", "*", "*", true, "b*", 1},
        TagCase{"\0<\0>\0"s, "<", ">", true, "\0\0"s, 1}));

TEST(RemoveTags, AnEmptyDelimiterFindsNothingInsteadOfLoopingForever) {
  NoProgress progress;
  for (const auto& [open, close] : {std::pair{"", ">"}, std::pair{"<", ""}, std::pair{"", ""}}) {
    const TagRemoval r = removeTags("a<b>c", open, close, progress);
    EXPECT_FALSE(r.delimitersFound) << open << close;
    EXPECT_EQ(r.tags, 0);
  }
}

struct IndexCase {
  std::string input;
  WordIndexOptions options;
  std::string expected;
  int64_t words;
};

class BuildWordIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(BuildWordIndex, ListsEachWordOnce) {
  const IndexCase& c = GetParam();
  NoProgress progress;
  const WordIndex r = buildWordIndex(c.input, c.options, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.words, c.words);
}

constexpr WordIndexOptions kPlain{};
constexpr WordIndexOptions kSorted{.sorted = true};
constexpr WordIndexOptions kCounted{.withCount = true, .withFirstLine = true};
constexpr WordIndexOptions kFirstLine{.withFirstLine = true};

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildWordIndex,
    ::testing::Values(
        IndexCase{"Der Hund, der Hund.\r\n", kPlain, "Der\r\nHund\r\nder\r\n", 3},
        IndexCase{"Der Hund, der Hund.\r\n", kCounted,
                  "Der\t\t\t1\t\t\t1\r\nHund\t\t\t2\t\t\t1\r\nder\t\t\t1\t\t\t1\r\n", 3},
        IndexCase{"Der Hund, der Hund.\r\n",
                  {.withCount = true},
                  "Der\t\t\t1\r\nHund\t\t\t2\r\nder\t\t\t1\r\n",
                  3},
        IndexCase{"abc123def\r\n", kPlain, "abc123def\r\n", 1},
        IndexCase{"abc123def\r\n", {.digitsSeparate = true}, "abc\r\ndef\r\n", 2},
        IndexCase{"Bind-Strich \x96 x\x97y\r\n", kPlain, "Bind-Strich\r\n\x96\r\nx\x97y\r\n", 3},
        IndexCase{"Bind-Strich \x96 x\x97y\r\n",
                  {.hyphensSeparate = true},
                  "Bind\r\nStrich\r\nx\r\ny\r\n",
                  4},
        IndexCase{"zebra \xC4pfel apfel Birne birne\r\n", kSorted,
                  "apfel\r\n\xC4pfel\r\nBirne\r\nbirne\r\nzebra\r\n", 5},
        IndexCase{"Ab cd \xC4x Ef\r\n", {.capitalsOnly = true}, "Ab\r\nEf\r\n", 4},
        IndexCase{"a\r\nb a\r\n\r\nc\r\n", kFirstLine, "a\t\t\t1\r\nb\t\t\t2\r\nc\t\t\t4\r\n", 3},
        // A lone CR separates words but does not start a line; a last line
        // without its line end is read all the same.
        IndexCase{"a\rb\r\nc", kFirstLine, "a\t\t\t1\r\nb\t\t\t1\r\nc\t\t\t2\r\n", 3},
        IndexCase{"a\x84"
                  "b\x93"
                  "c\xBB"
                  "d\xBF"
                  "e|f/g'h&i\r\n",
                  kPlain, "a\r\nb\r\nc\r\nd\r\ne|f/g'h&i\r\n", 5},
        IndexCase{"(x)[y]<z>=?!\"*+:;\r\n", kPlain, "x\r\ny\r\nz\r\n", 3},
        IndexCase{"., ;\r\n", kPlain, "", 0}));

// The table must keep finding words after it has grown many times.
TEST(BuildWordIndex, CountsEveryWordOfALargeVocabulary) {
  std::string text;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 50000; ++i) {
      text += 'w';
      text += std::to_string(i);
      text += ' ';
    }
    text += "\r\n";
  }
  NoProgress progress;
  const WordIndex r = buildWordIndex(text, {.withCount = true}, progress);
  EXPECT_EQ(r.words, 50000);
  EXPECT_EQ(r.text.substr(0, 9), "w0\t\t\t3\r\nw");
  EXPECT_NE(r.text.find("\r\nw49999\t\t\t3\r\n"), std::string::npos);
}

}  // namespace
}  // namespace brimlet
