// SPDX-License-Identifier: GPL-3.0-or-later
// The byte-level rules every operation builds on: the code page, the case
// table, the line walker and the integer reader.
#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "core/casemap.h"
#include "core/cp1252.h"
#include "core/lines.h"
#include "core/number.h"

namespace brimlet {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUnicode) {
  std::set<char32_t> seen;
  for (int b = 0; b < 256; ++b) {
    const char32_t c = cp1252ToUnicode(static_cast<unsigned char>(b));
    EXPECT_TRUE(seen.insert(c).second) << "two bytes map to one code point: " << b;
    ASSERT_TRUE(unicodeToCp1252(c).has_value()) << b;
    EXPECT_EQ(*unicodeToCp1252(c), b);
  }
}

TEST(Cp1252, SourceLiteralsBecomeSingleBytes) {
  EXPECT_EQ(cp("Speicher gelöscht"), "Speicher gel\xF6scht");
  EXPECT_EQ(cp("§§§ ¥¥1¥¥ € ß"),
            "\xA7\xA7\xA7 \xA5\xA5"
            "1\xA5\xA5 \x80 \xDF");
  EXPECT_EQ(cp("→"), "?");  // no byte in the code page
  EXPECT_EQ(cp("a\xFF"
               "b"),
            "a\xFF"
            "b");  // broken UTF-8 is taken byte by byte
  EXPECT_EQ(toUtf8("gel\xF6scht \x80"), "gelöscht €");
}

TEST(CaseMap, LettersPairUpAndEverythingElseStays) {
  EXPECT_EQ(toUpper('a'), 'A');
  EXPECT_EQ(toLower(0xC4), 0xE4);  // Ä ä
  EXPECT_EQ(toUpper(0xFF), 0x9F);  // ÿ Ÿ
  EXPECT_EQ(toUpper(0x9A), 0x8A);  // š Š
  for (const int unchanged : {0xDF, 0xB5, 0xD7, 0xF7, 0x00, int{'1'}, int{'-'}}) {
    EXPECT_EQ(toUpper(static_cast<unsigned char>(unchanged)), unchanged);
    EXPECT_EQ(toLower(static_cast<unsigned char>(unchanged)), unchanged);
  }
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(toLower(toUpper(byte)), toLower(byte)) << b;
    EXPECT_EQ(toUpper(toLower(byte)), toUpper(byte)) << b;
  }
}

TEST(CaseMap, WholeTextsMapEveryByteAsTheTableDoes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string lower(all.size(), ' ');
  std::string upper(all.size(), ' ');
  lowerBytes(all.data(), all.size(), lower.data());
  upperBytes(all.data(), all.size(), upper.data());
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(static_cast<unsigned char>(lower[b]), toLower(static_cast<unsigned char>(b))) << b;
    EXPECT_EQ(static_cast<unsigned char>(upper[b]), toUpper(static_cast<unsigned char>(b))) << b;
  }
}

TEST(LineWalker, LinesEndAtCrAndTheTailIsNoLine) {
  LineWalker walker("a\r\n\r\nbc\r\ntail");
  std::vector<std::string> lines;
  while (const auto line = walker.next()) lines.emplace_back(*line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "bc"}));
  EXPECT_EQ(walker.rest(), "tail");
}

TEST(LineWalker, TheByteAfterCrIsSkippedWhateverItIs) {
  LineWalker walker("a\rxb\r");
  EXPECT_EQ(walker.next(), "a");
  EXPECT_EQ(walker.next(), "b");
  EXPECT_EQ(walker.next(), std::nullopt);
  EXPECT_EQ(walker.rest(), "");
  EXPECT_EQ(countCr("a\rxb\r"), 2u);
}

TEST(IntegerValue, ReadsLikeTheProgramsNumberFields) {
  const std::pair<const char*, int32_t> cases[] = {
      // clang-format off
      {"", 0},        {"x5", 0},     {"  42", 42},           {"-12ab", -12},
      {"+7", 7},      {"0012", 12},  {"3,45", 3},            {"99999999999", 2147483647},
      {"-99999999999", -2147483648}, {" - 3", 0},
  };
  // clang-format on
  for (const auto& [text, expected] : cases) EXPECT_EQ(integerValue(text), expected) << text;
  const std::pair<const char*, std::optional<int64_t>> wide[] = {
      {"2147483648", 2147483648},
      {" -12ab", -12},
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775807", -INT64_MAX},
      {"9223372036854775808", std::nullopt},
      {"00000000000000000000001", 1},
      {"99999999999999999999999", std::nullopt},
  };
  for (const auto& [text, expected] : wide) EXPECT_EQ(integerValue64(text), expected) << text;
  EXPECT_EQ(decimal(-15), "15");
  EXPECT_EQ(decimal(1234567), "1234567");
}

}  // namespace
}  // namespace brimlet
