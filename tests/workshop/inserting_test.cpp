// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/inserting.h"

#include <gtest/gtest.h>

#include <string>

namespace brimlet {
namespace {

TEST(InsertAtLines, ProcessesALastLineWithoutLineEnd) {
  NoProgress progress;
  TextEdit r = insertAtLines("a\r\n\r\nb", "-", LineEdge::Start, true, progress);
  EXPECT_EQ(r.text, "-a\r\n\r\n-b\r\n");
  EXPECT_EQ(r.count, 2);
  r = insertAtLines("a\r\n\r\nb", "\t", LineEdge::End, false, progress);
  EXPECT_EQ(r.text, "a\t\r\n\t\r\nb\t\r\n");
  EXPECT_EQ(r.count, 3);
}

struct TemplateCase {
  std::string typed;
  int width;
  int32_t offset;
};

class ReadNumberingTemplate : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(ReadNumberingTemplate, ClampsWidthAndOffset) {
  const NumberingTemplate t = readNumberingTemplate(GetParam().typed);
  EXPECT_EQ(t.minimumWidth, GetParam().width);
  EXPECT_EQ(t.offset, GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadNumberingTemplate,
                         ::testing::Values(TemplateCase{"", 0, 0}, TemplateCase{"0000", 4, 0},
                                           TemplateCase{"100", 3, 100}, TemplateCase{"abc", 3, 0},
                                           TemplateCase{"-5", 2, 0},
                                           TemplateCase{"12345678901", 9, 999999000}));

struct NumberingCase {
  std::string typed;
  Numbering options;
  int lines;
  std::string expectedFirst;
  std::string expectedLast;
};

class NumberLines : public ::testing::TestWithParam<NumberingCase> {};

TEST_P(NumberLines, PadsToTheWidestNumber) {
  NoProgress progress;
  const NumberingCase& c = GetParam();
  std::string text;
  for (int i = 0; i < c.lines; ++i) text += "x\r\n";
  Numbering numbering = c.options;
  numbering.from = readNumberingTemplate(c.typed);
  const TextEdit r = numberLines(text, numbering, progress);
  EXPECT_TRUE(r.text.starts_with(c.expectedFirst + "\r\n")) << r.text;
  EXPECT_TRUE(r.text.ends_with("\r\n" + c.expectedLast + "\r\n")) << r.text;
  EXPECT_EQ(r.count, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberLines,
    ::testing::Values(NumberingCase{"", {}, 9, "1 x", "9 x"},
                      NumberingCase{"", {}, 10, "01 x", "10 x"},
                      NumberingCase{"99", {}, 5, "100 x", "104 x"},
                      NumberingCase{"0000", {}, 3, "0001 x", "0003 x"},
                      NumberingCase{"100", {}, 2, "101 x", "102 x"},
                      NumberingCase{"999999999999", {}, 2, "999999001 x", "999999002 x"},
                      NumberingCase{"", {{}, true, false, false}, 2, "1x", "2x"},
                      NumberingCase{"", {{}, false, false, true}, 2, "x1", "x2"}));

TEST(NumberLines, EmptyLinesKeepTheSequenceWithoutGaps) {
  NoProgress progress;
  Numbering numbering;
  numbering.skipEmpty = true;
  EXPECT_EQ(numberLines("a\r\n\r\nb", numbering, progress).text, "1 a\r\n\r\n2 b\r\n");
  numbering = {};
  EXPECT_EQ(numberLines("a\r\n\r\nb", numbering, progress).text, "1 a\r\n2 \r\n3 b\r\n");
  numbering.atEnd = true;
  const TextEdit r = numberLines("\r\n\r\n", numbering, progress);
  EXPECT_EQ(r.text, "\r\n\r\n");
  EXPECT_EQ(r.count, 0);
}

}  // namespace
}  // namespace brimlet
