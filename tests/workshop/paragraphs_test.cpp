// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/paragraphs.h"

#include <gtest/gtest.h>

#include <string>

namespace brimlet {
namespace {

struct FormatCase {
  std::string input;
  bool keepTails;
  std::string expected;
};

class FormatParagraphs : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatParagraphs, KeepsBreaksAfterSentencesEmptyAndShortLines) {
  NoProgress progress;
  EXPECT_EQ(formatParagraphs(GetParam().input, GetParam().keepTails, progress),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatParagraphs,
    ::testing::Values(
        FormatCase{"Das ist\r\nein Satz.\r\nNoch einer\r\nhier.\r\n\r\nNeu\r\n", false,
                   "Das ist ein Satz.\r\nNoch einer hier.\r\n\r\nNeu\r\n"},
        FormatCase{"1.\r\nKap\r\nweiter text\r\nhier.\r\n", false,
                   "1.\r\nKap\r\nweiter text hier.\r\n"},
        // Without a sentence end or an empty line nothing is joined.
        FormatCase{"abc def\r\nghi jkl\r\nmno", false, "abc def\r\nghi jkl\r\nmno"},
        FormatCase{"Sie rief: \"Halt!\" \r\nund dann\r\nging sie.\x94\r\nweiter\r\nhin", false,
                   "Sie rief: \"Halt!\" \r\nund dann ging sie.\x94\r\nweiter\r\nhin"},
        // Two blanks, or a blank before the closing mark, end no sentence.
        FormatCase{"eins.  \r\nzwei. \"\r\ndrei!\r\n", false, "eins.   zwei. \" drei!\r\n"},
        FormatCase{"Satz eins.\r\n\r\n\r\nzwei zeilen\r\nhier.\r\n", false,
                   "Satz eins.\r\n\r\n\r\nzwei zeilen hier.\r\n"},
        FormatCase{"Titel der Seite\r\nzweite Zeile\r\n\r\nein langer\r\nSatz.\r\n", false,
                   "Titel der Seite zweite Zeile\r\n\r\nein langer Satz.\r\n"},
        FormatCase{"Titel der Seite\r\nzweite Zeile\r\n\r\nein langer\r\nSatz.\r\n", true,
                   "Titel der Seite\r\nzweite Zeile\r\n\r\nein langer Satz.\r\n"},
        // An empty first line keeps its break, as after a sentence end.
        FormatCase{"\r\nEins zwei\r\ndrei vier.\r\n", false, "\r\nEins zwei drei vier.\r\n"},
        // A lone CR belongs to its line.
        FormatCase{"ab\rcdef\r\nx.\r\n", false, "ab\rcdef x.\r\n"}));

struct WrapCase {
  std::string input;
  size_t width;
  std::string expected;
};

class WrapLines : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapLines, BreaksAtTheLastBlankOrCutsLongWords) {
  NoProgress progress;
  EXPECT_EQ(wrapLines(GetParam().input, GetParam().width, progress), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapLines,
    ::testing::Values(WrapCase{"ab cd ef", 5, "ab\r\ncd ef\r\n"},
                      WrapCase{"abcdefghij", 4, "abcd\r\nefgh\r\nij\r\n"},
                      // A blank just past the width is no break:
                      // the cut word's rest starts with it.
                      WrapCase{"aaaa bbbb", 4, "aaaa\r\n\r\nbbbb\r\n"},
                      WrapCase{"aaaa bbbbbbbbbbbbbbb ccc", 20, "aaaa\r\nbbbbbbbbbbbbbbb ccc\r\n"},
                      WrapCase{"a bcdefgh\r\n\r\nxy", 4, "a\r\nbcde\r\nfgh\r\n\r\nxy\r\n"}));

// Formatting with a width gives the lines of wrapLines over the formatted
// text, the unterminated tail and its lone LF included.
TEST(FormatParagraphs, WithAWidthBreaksTheFormattedLines) {
  const struct {
    std::string input;
    size_t width;
    std::string expected;
  } cases[] = {
      {"Das ist\r\nein Satz.\r\nNoch einer\r\nhier.\r\n\r\nNeu\r\n", 8,
       "Das ist\r\nein\r\nSatz.\r\nNoch\r\neiner\r\nhier.\r\n\r\nNeu\r\n"},
      {"abc def\r\nghi jkl\r\nmno", 4, "abc\r\ndef\r\nghi\r\njkl\r\nmno\r\n"},
      {"Satz eins.\r\nlang wort\n", 5, "Satz\r\neins.\r\nlang\r\nwort\r\n"},
      {"", 4, ""},
      // A lone LF inside a joined line stays where the break leaves it.
      {"ab cd\n\r\nx.\r\n", 3, "ab\r\ncd\n\r\n x.\r\n"},
  };
  NoProgress progress;
  for (const auto& c : cases) {
    EXPECT_EQ(formatParagraphs(c.input, false, progress, c.width), c.expected) << c.input;
  }
}

struct JoinCase {
  std::string input;
  int group;
  bool blank;
  std::string joined;
  std::string paired;
};

class JoinAndPairLines : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinAndPairLines, GroupConsecutiveLinesOrDealThemIntoRows) {
  NoProgress progress;
  const JoinCase& c = GetParam();
  EXPECT_EQ(joinLines(c.input, c.group, c.blank, progress), c.joined);
  EXPECT_EQ(pairLines(c.input, c.group, c.blank, progress), c.paired);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinAndPairLines,
    ::testing::Values(
        JoinCase{"a\r\nb\r\nc\r\nd\r\ne\r\n", 2, true, "a b\r\nc d\r\ne", "a d\r\nb e\r\nc\r\n"},
        JoinCase{"a\r\nb\r\nc\r\nd\r\ne\r\n", 3, true, "a b c\r\nd e", "a c e\r\nb d\r\n"},
        JoinCase{"1\r\n2\r\n3\r\n4", 2, true, "1 2\r\n3 4\r\n", "1 3\r\n2 4\r\n"},
        JoinCase{"a\r\n\r\nb\r\nc \r\n", 2, false, "a\r\nbc \r\n", "ab\r\nc\r\n"},
        JoinCase{"a\r\n\r\nb\r\n", 2, true, "a \r\nb", "a b\r\n\r\n"},
        JoinCase{"a\r\n\r\nc\r\nd\r\n", 2, true, "a \r\nc d\r\n", "a c\r\nd\r\n"},
        // More columns than lines; a lone CR stays, a final lone LF ends a line.
        JoinCase{"a\r\nb\rx\r\nc\n", 5, true, "a b\rx c", "a b\rx c\r\n"},
        JoinCase{"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", 3, false, "123\r\n456\r\n7",
                 "147\r\n25\r\n36\r\n"}));

TEST(DeleteOddLines, KeepsEverySecondLine) {
  NoProgress progress;
  EXPECT_EQ(deleteOddLines("a\r\nb\r\nc\r\nd\r\ne", progress), "b\r\nd\r\n");
}

TEST(SplitPages, PutsTheLeftColumnBeforeTheRightOne) {
  NoProgress progress;
  const std::string gap(11, ' ');
  const std::string right(50, ' ');
  const TextEdit r = splitPages("Titel\r\nlinks1" + gap + "  rechts1\r\nnur links\r\n" + right +
                                    "rechts2\r\nlinks3" + gap + "\r\n----------\r\nl4" + gap +
                                    "r4\r\n----------\r\nRest",
                                progress);
  EXPECT_EQ(r.text,
            "links1\r\nnur links\r\nlinks3\r\nrechts1\r\n" + right + "rechts2\r\n\r\nl4\r\nr4\r\n");
  EXPECT_EQ(r.count, 2);
  EXPECT_EQ(splitPages("no pages\r\nhere", progress).count, 0);
}

}  // namespace
}  // namespace brimlet
