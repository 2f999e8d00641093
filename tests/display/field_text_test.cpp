// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/field_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace brimlet {
namespace {

TEST(FieldText, LoneLineEndsBecomeCrLf) {
  EXPECT_EQ(withCrLfLineEnds("a\rb\nc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
  EXPECT_EQ(withCrLfLineEnds(std::string("\0\xFF", 2)), std::string("\0\xFF", 2));
  const std::pair<std::string, std::string> cases[] = {
      {"\r\r\n", "\r\n\r\n"},              // a lone CR just before a CR LF
      {"\n\n", "\r\n\r\n"},                // empty lines only
      {"x\r", "x\r\n"},                    // a lone CR at the very end
      {"\r\nab", "\r\nab"},                // no final line end
      {"a\rb\rc\r\n", "a\r\nb\r\nc\r\n"},  // several lone CRs in one line
      {"", ""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(withCrLfLineEnds(text), expected) << text;
}

TEST(FieldText, PositionsCountALineEndOnce) {
  const std::string text = "ab\r\ncd\r\n\r\ne";
  const std::pair<int64_t, int64_t> fieldAndByte[] = {{0, 0}, {2, 2},  {3, 4}, {5, 6},
                                                      {6, 8}, {7, 10}, {8, 11}};
  for (const auto& [field, byte] : fieldAndByte) {
    EXPECT_EQ(fieldToByte(text, field), byte) << field;
    EXPECT_EQ(byteToField(text, byte), field) << byte;
  }
  EXPECT_EQ(fieldToByte(text, 99), 11);
}

TEST(FieldText, FindIgnoresCaseWithTheProgramsTable) {
  const std::string text = "x \xC4pfel \xE4PFEL";
  EXPECT_EQ(findForward(text, "\xE4pfel", 0), 2);
  EXPECT_EQ(findForward(text, "\xE4pfel", 3), 8);
  EXPECT_EQ(findBackward(text, "\xC4PFEL", 13), 8);
  EXPECT_EQ(findBackward(text, "\xC4PFEL", 12), 2);  // the later one does not end in time
  EXPECT_EQ(findForward(text, "", 0), std::nullopt);
  EXPECT_EQ(findForward(text, "x", 99), std::nullopt);
}

}  // namespace
}  // namespace brimlet
