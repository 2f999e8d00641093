#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text_compare.h"

namespace brimlet {
namespace {

TEST(CompareText, OrdersByLetterBeforeCaseAndAccent) {
  const std::vector<std::string> ordered = {
      "",      " z",    "1",     "A",           "a",       "\xC4",   "ab",    "\xE4" "b",
      "Birne", "birne", "\xD6l", "stra\xDF" "e", "strasse", "\xFF" "x", "zebra"};
  for (size_t i = 0; i < ordered.size(); ++i) {
    for (size_t j = 0; j < ordered.size(); ++j) {
      const int r = compareText(ordered[i], ordered[j]);
      EXPECT_EQ(r < 0, i < j) << i << " " << j;
      EXPECT_EQ(r == 0, i == j) << i << " " << j;
    }
  }
}

TEST(CompareText, IsATotalOrderOverEverySingleByte) {
  std::vector<std::string> bytes;
  for (int b = 0; b < 256; ++b) bytes.emplace_back(1, static_cast<char>(b));
  std::sort(bytes.begin(), bytes.end(),
            [](const std::string& a, const std::string& b) { return compareText(a, b) < 0; });
  for (size_t i = 1; i < bytes.size(); ++i) {
    EXPECT_LT(compareText(bytes[i - 1], bytes[i]), 0) << i;
    EXPECT_GT(compareText(bytes[i], bytes[i - 1]), 0) << i;
  }
}

TEST(CollationWeights, FoldCaseAndAccentsToPlainLetters) {
  const auto& w = collationWeights();
  for (const int letter : {0xC0, 0xC5, 0xE0, 0xE4, 0xE6}) EXPECT_EQ(w[letter], 'a');
  for (const int letter : {0xD2, 0xD6, 0xD8, 0xF6, 0xF8, 0x8C, 0x9C}) {
    EXPECT_EQ(w[letter], 'o') << int{letter};
  }
  EXPECT_EQ(w[0xDF], 's');
  EXPECT_EQ(w[0x9F], 'y');
  EXPECT_EQ(w['Q'], 'q');
  EXPECT_EQ(w[0xD7], 0xD7);  // ×
  EXPECT_EQ(w[0xF7], 0xF7);  // ÷
  EXPECT_EQ(w[0], 0);
}

TEST(CompareBytes, IsUnsignedWithPrefixFirst) {
  EXPECT_LT(compareBytes("a", "ab"), 0);
  EXPECT_LT(compareBytes("\x7F", "\x80"), 0);
  EXPECT_LT(compareBytes(std::string(1, '\0'), "\x01"), 0);
  EXPECT_EQ(compareBytes("", ""), 0);
}

}  // namespace
}  // namespace brimlet
