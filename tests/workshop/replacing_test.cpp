// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/replacing.h"

#include <gtest/gtest.h>

#include <string>

#include "workshop/line_edges.h"
#include "workshop/reversal.h"

namespace brimlet {
namespace {

struct ReplaceCase {
  std::string input;
  std::string find;
  std::string replacement;
  std::string expected;
  int64_t count;
};

class ReplaceChain : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceChain, ReplacesWithoutOverlapping) {
  NoProgress progress;
  const ReplaceCase& c = GetParam();
  const TextEdit r = replaceChain(c.input, c.find, c.replacement, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceChain,
                         ::testing::Values(ReplaceCase{"banana", "a", "b", "bbnbnb", 3},
                                           ReplaceCase{"abab", "ab", "ab", "abab", 2},
                                           ReplaceCase{"aaaa", "aa", "b", "bb", 2},
                                           ReplaceCase{"aaa", "a", "aa", "aaaaaa", 3},
                                           ReplaceCase{"a\r\nb\r\n", "\r\n", " ", "a b ", 2},
                                           ReplaceCase{"x  ", "x", "xyz", "xyz  ", 1},
                                           ReplaceCase{"xyz", "q", "r", "xyz", 0}));

TEST(ReplaceWildcard, KeepsTheMiddleOnlyWithAKeepPattern) {
  NoProgress progress;
  const Wildcard bold{"<b>", "</b>"};
  const WildcardReplacement kept =
      replaceWildcard("x<b>fett</b>y<b></b><b>z</b>", bold, "", Wildcard{"[", "]"}, progress);
  EXPECT_EQ(kept.edit.text, "x[fett]y[</b><b>z]");
  EXPECT_EQ(kept.kept, (std::vector<std::string>{"[fett]", "[</b><b>z]"}));
  const WildcardReplacement plain =
      replaceWildcard("x<b>fett</b>y", bold, "[<<<>>>]", std::nullopt, progress);
  EXPECT_EQ(plain.edit.text, "x[<<<>>>]y");
  EXPECT_TRUE(plain.kept.empty());
}

struct EdgeCase {
  std::string input;
  LineEdge edge;
  std::string expected;
  int64_t count;
};

class EntryAtLineEdges : public ::testing::TestWithParam<std::pair<std::string, EdgeCase>> {};

TEST_P(EntryAtLineEdges, RemovesOneBytePerLine) {
  NoProgress progress;
  const auto& [entry, c] = GetParam();
  const TextEdit r = removeEntryAtLineEdges(c.input, entry, c.edge, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryAtLineEdges,
    ::testing::Values(
        std::pair{"x", EdgeCase{"xxa\r\nxxb", LineEdge::Start, "a\r\nxb", 3}},
        // A longer entry must match whole, loses its first byte only, and
        // the text start stays.
        std::pair{"ab", EdgeCase{"abc\r\nabd\r\nxab", LineEdge::Start, "abc\r\nbd\r\nxab", 1}},
        std::pair{";", EdgeCase{"a;;\r\nb;\r\nc;", LineEdge::End, "a;\r\nb\r\nc;", 2}},
        std::pair{"ab", EdgeCase{"xab\r\nab", LineEdge::End, "xb\r\nab", 1}}));

struct CutCase {
  std::string input;
  int64_t count;
  LineEdge edge;
  std::string expected;
  int64_t lines;
};

class CutLineEdges : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutLineEdges, DropsLinesThatBecomeEmpty) {
  NoProgress progress;
  const CutCase& c = GetParam();
  const TextEdit r = cutLineEdges(c.input, c.count, c.edge, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutLineEdges,
                         ::testing::Values(CutCase{"abc\r\nde\r\nf", 2, LineEdge::End, "a\r\n", 3},
                                           CutCase{"abc\r\n\r\nde", 1, LineEdge::Start,
                                                   "bc\r\ne\r\n", 2},
                                           CutCase{"abc", 2147483648, LineEdge::Start, "", 1}));

TEST(RemoveEdgeDigits, CountsDigitsAndDropsLinesLeftEmpty) {
  NoProgress progress;
  TextEdit r = removeEdgeDigits("12ab34\r\n99\r\nx", LineEdge::Start, progress);
  EXPECT_EQ(r.text, "ab34\r\nx\r\n");
  EXPECT_EQ(r.count, 4);
  r = removeEdgeDigits("12ab34\r\n\r\n5", LineEdge::End, progress);
  EXPECT_EQ(r.text, "12ab\r\n");
  EXPECT_EQ(r.count, 3);
}

struct ReverseCase {
  std::string input;
  bool pairs;
  std::string expected;
};

class ReverseLines : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseLines, ReversesLinesOrPairs) {
  NoProgress progress;
  EXPECT_EQ(reverseLines(GetParam().input, GetParam().pairs, progress), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReverseLines,
    ::testing::Values(ReverseCase{"a\r\nb\r\nc\r\nd\r\ne", false, "e\r\nd\r\nc\r\nb\r\na\r\n"},
                      ReverseCase{"a\r\nb\r\nc\r\nd\r\ne\r\n", true, "c\r\nd\r\na\r\nb\r\ne\r\n"},
                      ReverseCase{"a\r\nb\r\nc\r\nd\n", true, "c\r\nd\r\na\r\nb\r\n"},
                      ReverseCase{"a\r\nb\r\nc", true, "a\r\nb\r\nc\r\n"},
                      ReverseCase{"a\r\nb\r\n\n", false, "\r\nb\r\na\r\n"},
                      // A lone CR belongs to its line.
                      ReverseCase{"a\rb\r\n\r\nc", false, "c\r\n\r\na\rb\r\n"}));

class ReverseLineBytes : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseLineBytes, ReversesBytesOrPairsInEveryLine) {
  NoProgress progress;
  const TextEdit r = reverseLineBytes(GetParam().input, GetParam().pairs, progress);
  EXPECT_EQ(r.text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReverseLineBytes,
                         ::testing::Values(ReverseCase{"abc\r\n\r\nx", false, "cba\r\n\r\nx\r\n"},
                                           ReverseCase{"abcdef\r\nab\r\nabcde\r\nabcd", true,
                                                       "efcdab\r\nab\r\necdab\r\ncdab\r\n"},
                                           ReverseCase{"abc", true, "cab\r\n"}));

}  // namespace
}  // namespace brimlet
