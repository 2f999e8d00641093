// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace brimlet {
namespace {

TEST(CompareText, OrdersByLetterBeforeCaseAndAccent) {
  // Weights first (ß weighs as s), then bytes; a prefix comes first.
  // clang-format off
  const std::vector<std::string> ordered = {
      "",      " z",    "1",     "A",           "a",       "\xC4",   "ab",    "\xE4" "b",
      "Birne", "birne", "\xD6l", "stra\xDF" "e", "strasse", "\xFF" "x", "zebra"};
  // clang-format on
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

}  // namespace
}  // namespace brimlet
