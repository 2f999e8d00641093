// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/blank_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "workshop/line_prefix.h"

namespace brimlet {
namespace {

struct Case {
  std::string input;
  std::string expected;
  int64_t count;
};

class RemoveEmptyLines : public ::testing::TestWithParam<Case> {};

TEST_P(RemoveEmptyLines, RemovesEveryCrLfAtALineStart) {
  NoProgress progress;
  const TextEdit r = removeEmptyLines(GetParam().input, progress);
  EXPECT_EQ(r.text, GetParam().expected);
  EXPECT_EQ(r.count, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveEmptyLines,
                         ::testing::Values(Case{"\r\n\r\na\r\n\r\n\r\nb\r\n\r\n", "a\r\nb\r\n", 5},
                                           Case{"a\r\nb\r\n", "a\r\nb\r\n", 0},
                                           Case{"\r\n\r\n\r\n", "", 3},
                                           Case{"a\r\n\r", "a\r\n\r", 0},
                                           Case{"a\r\n\r\n", "a\r\n", 1}));

class ThinEmptyLines : public ::testing::TestWithParam<Case> {};

TEST_P(ThinEmptyLines, LeavesOneEmptyLineOfEveryRun) {
  NoProgress progress;
  const TextEdit r = thinEmptyLines(GetParam().input, progress);
  EXPECT_EQ(r.text, GetParam().expected);
  EXPECT_EQ(r.count, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThinEmptyLines,
    ::testing::Values(Case{"a\r\n\r\n\r\n\r\nb", "a\r\n\r\nb", 2},
                      Case{"a\r\n\r\nb", "a\r\n\r\nb", 0}, Case{"a\r\n\r\n\r\n", "a\r\n\r\n", 1},
                      Case{"\r\n\r\n\r\nx", "\r\nx", 2}, Case{"\r\nx", "\r\nx", 0},
                      Case{"a\r\n\r\n\r\nb\r\n\r\n\r\n\r\n\r\nc", "a\r\n\r\nb\r\n\r\nc", 4}));

struct PrefixCase {
  std::string needle;
  Case c;
};

class RemoveLinePrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(RemoveLinePrefix, RemovesTheNeedleAtLineStarts) {
  NoProgress progress;
  const TextEdit r = removeLinePrefix(GetParam().c.input, GetParam().needle, progress);
  EXPECT_EQ(r.text, GetParam().c.expected);
  EXPECT_EQ(r.count, GetParam().c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveLinePrefix,
    ::testing::Values(PrefixCase{"> ", {"> a\r\n> > b\r\nc > d\r\n> ", "a\r\n> b\r\nc > d\r\n", 3}},
                      // At the very start the needle goes as often as it repeats.
                      PrefixCase{"x", {"xxa\r\nxxb", "a\r\nxb", 3}},
                      PrefixCase{"x", {"a\rx\r\n", "a\rx\r\n", 0}},
                      // Overlapping hits never remove a byte twice.
                      PrefixCase{"y\r\n", {"a\r\ny\r\ny\r\nb", "a\r\nb", 2}}));

}  // namespace
}  // namespace brimlet
