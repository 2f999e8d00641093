// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/trimming.h"

#include <gtest/gtest.h>

#include <string>

#include "core/casemap.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

struct TrimCase {
  TrimSide side;
  std::string input;
  std::string expected;
  int64_t changed;
};

class TrimLines : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimLines, TrimsBlanksOnlyAndEndsEveryLine) {
  const TrimCase& c = GetParam();
  const TextEdit r = trimLines(c.input, c.side);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimLines,
    ::testing::Values(TrimCase{TrimSide::Both, "  a  \r\nb", "a\r\nb\r\n", 1},
                      TrimCase{TrimSide::Start, "  a  \r\n b\r\n", "a  \r\nb\r\n", 2},
                      TrimCase{TrimSide::End, "  a  \r\n b\r\n", "  a\r\n b\r\n", 1},
                      TrimCase{TrimSide::Start, "a\r\nb \r\n", "a\r\nb \r\n", 0},
                      TrimCase{TrimSide::Both, "   \r\n\r\n", "\r\n\r\n", 1},
                      TrimCase{TrimSide::Both, "\ta\t \r\n", "\ta\t\r\n", 1},
                      TrimCase{TrimSide::End, "a \rb \n", "a \rb\r\n", 1},
                      TrimCase{TrimSide::Both, " \0 \r\n"s, "\0\r\n"s, 1},
                      TrimCase{TrimSide::End, "x\r\n\n", "x\r\n\r\n", 0}));

struct CollapseCase {
  std::string input;
  std::string expected;
  int64_t removed;
};

class CollapseBlanks : public ::testing::TestWithParam<CollapseCase> {};

TEST_P(CollapseBlanks, LeavesOneBlankOfEveryRun) {
  const CollapseCase& c = GetParam();
  NoProgress progress;
  const TextEdit r = collapseBlanks(c.input, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.removed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CollapseBlanks,
    ::testing::Values(CollapseCase{"a   b  c", "a b c", 3}, CollapseCase{"a b c", "a b c", 0},
                      CollapseCase{"   a", " a", 2}, CollapseCase{"a  ", "a ", 1},
                      CollapseCase{" \t  \r\n  ", " \t \r\n ", 2}, CollapseCase{"    ", " ", 3}));

TEST(CapitaliseWordStarts, CapitalisesAfterBlankHyphenAndLineFeedOnly) {
  const TextEdit others = capitaliseWordStarts("a\tb.c,d\re  \xE4rger -\xDF");
  EXPECT_EQ(others.text, "a\tb.c,d\re  \xC4rger -\xDF");
  EXPECT_EQ(others.count, 1);
  EXPECT_EQ(capitaliseWordStarts(" ").text, " ");
}

TEST(CaseChange, UsesTheAccentedLettersOfTheCodePage) {
  EXPECT_EQ(upperCase("stra\xDF"
                      "e \xE4\xF6\xFC \xFF \x9A"),
            "STRA\xDF"
            "E \xC4\xD6\xDC \x9F \x8A");
  EXPECT_EQ(lowerCase("\xC4RGER \xD7 \xC0 Z\0"s), "\xE4rger \xD7 \xE0 z\0"s);
}

}  // namespace
}  // namespace brimlet
