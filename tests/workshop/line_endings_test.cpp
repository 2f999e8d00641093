// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_endings.h"

#include <gtest/gtest.h>

#include <string>

namespace brimlet {
namespace {

using namespace std::string_literals;

struct Case {
  std::string input;
  std::string expected;
  int64_t count;
};

class UnixToCrLf : public ::testing::TestWithParam<std::pair<Case, int64_t>> {};

TEST_P(UnixToCrLf, ConvertsOnlyLoneLineFeedsAfterTheFirstByte) {
  const auto& [c, lineFeeds] = GetParam();
  NoProgress progress;
  const UnixConversion r = unixToCrLf(c.input, progress);
  EXPECT_EQ(r.edit.text, c.expected);
  EXPECT_EQ(r.edit.count, c.count);
  EXPECT_EQ(r.lineFeeds, lineFeeds);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnixToCrLf,
                         ::testing::Values(std::pair{Case{"a\nb\r\n", "a\r\nb\r\n", 1}, 2},
                                           std::pair{Case{"a\r\nb\r\n", "a\r\nb\r\n", 0}, 2},
                                           std::pair{Case{"\nx\n", "\nx\r\n", 1}, 2},
                                           std::pair{Case{"\n", "\n", 0}, 1},
                                           std::pair{Case{"\n\n\n", "\n\r\n\r\n", 2}, 3},
                                           std::pair{Case{"\0\n\r"s, "\0\r\n\r"s, 1}, 1},
                                           std::pair{Case{"abc", "abc", 0}, 0}));

// Long texts go sixteen bytes at a time: an LF that starts a vector (or a
// block of vectors) looks back at the last byte of the one before, and a
// tail shorter than a vector is counted too.
TEST(UnixToCrLf, CountsAcrossVectorAndBlockBoundaries) {
  NoProgress progress;
  std::string text(12000, 'x');
  for (size_t at = 5; at + 1 < text.size(); at += 7) {
    text[at] = '\r';
    text[at + 1] = '\n';
  }
  for (const size_t lf : {size_t{17}, size_t{33}, size_t{4081}, text.size() - 1}) {
    text[lf] = '\n';
  }
  text[32] = '\r';
  int64_t all = 0;
  int64_t bare = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    ++all;
    if (i > 0 && text[i - 1] != '\r') ++bare;
  }
  const UnixConversion r = unixToCrLf(text, progress);
  EXPECT_EQ(r.lineFeeds, all);
  EXPECT_EQ(r.edit.count, bare);
  const UnixConversion again = unixToCrLf(r.edit.text, progress);
  EXPECT_EQ(again.edit.text, r.edit.text);
  EXPECT_EQ(again.edit.count, 0);
}

using TextFunction = TextEdit (*)(std::string_view, Progress&);

struct FunctionCase {
  TextFunction function;
  Case c;
};

class LineStructure : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(LineStructure, GivesTheExpectedBytesAndCount) {
  const FunctionCase& p = GetParam();
  NoProgress progress;
  const TextEdit r = p.function(p.c.input, progress);
  EXPECT_EQ(r.text, p.c.expected);
  EXPECT_EQ(r.count, p.c.count);
}

INSTANTIATE_TEST_SUITE_P(CrLfToUnix, LineStructure,
                         ::testing::Values(FunctionCase{crLfToUnix, {"x\ry\r\n", "x\ry\n", 1}},
                                           FunctionCase{crLfToUnix, {"a\r\n\r\n", "a\n\n", 2}},
                                           FunctionCase{crLfToUnix, {"a\r", "a\r", 0}},
                                           FunctionCase{crLfToUnix, {"\r\r\n\n", "\r\n\n", 1}},
                                           FunctionCase{crLfToUnix, {"a\n", "a\n", 0}}));

INSTANTIATE_TEST_SUITE_P(LineEndAfterNul, LineStructure,
                         ::testing::Values(FunctionCase{lineEndAfterNul, {"a\0b"s, "a\0\r\nb"s, 1}},
                                           FunctionCase{lineEndAfterNul,
                                                        {"\0\0"s, "\0\r\n\0\r\n"s, 2}},
                                           FunctionCase{lineEndAfterNul, {"ab", "ab", 0}}));

INSTANTIATE_TEST_SUITE_P(
    JoinHyphenatedBreaks, LineStructure,
    ::testing::Values(
        FunctionCase{joinHyphenatedBreaks, {"Trenn-\r\nzeichen\r\n", "Trennzeichen\r\n", 1}},
        FunctionCase{joinHyphenatedBreaks, {"Ost-\r\nWest\r\n", "Ost-\r\nWest\r\n", 0}},
        // The text's example "Nord-" + "Süd" keeps its break: S is a capital.
        // clang-format off
        FunctionCase{joinHyphenatedBreaks, {"Nord-\r\nS\xFC" "d", "Nord-\r\nS\xFC" "d", 0}},
        FunctionCase{joinHyphenatedBreaks, {"Nord-\r\n\xDC" "ber", "Nord\xDC" "ber", 1}},
        FunctionCase{joinHyphenatedBreaks, {"ende-\r\n", "ende", 1}},
        FunctionCase{joinHyphenatedBreaks, {"a-\r\n-\r\nb", "ab", 2}},
        FunctionCase{joinHyphenatedBreaks, {"a-\r\nZ-\r\nz", "a-\r\nZz", 1}},
        FunctionCase{joinHyphenatedBreaks, {"a-\rb-\n-", "a-\rb-\n-", 0}}));
// clang-format on

}  // namespace
}  // namespace brimlet
