// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/crlf_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace brimlet {
namespace {

// The lines as a search for each CR LF in turn finds them.
std::vector<std::string_view> linesOneByOne(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  for (size_t end = text.find("\r\n"); end != std::string_view::npos;
       end = text.find("\r\n", pos)) {
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  if (pos < text.size()) {
    std::string_view tail = text.substr(pos);
    if (tail.back() == '\n') tail.remove_suffix(1);
    lines.push_back(tail);
  }
  return lines;
}

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) lines.push_back(*line);
  return lines;
}

TEST(CrLfLines, KeepsLoneCrAndLfInTheLineAndDropsAFinalLoneLf) {
  EXPECT_EQ(linesOf("a\rb\r\nc\n"), (std::vector<std::string_view>{"a\rb", "c"}));
  EXPECT_EQ(linesOf("\r\n\r\n"), (std::vector<std::string_view>{"", ""}));
  EXPECT_EQ(linesOf("x\r"), (std::vector<std::string_view>{"x\r"}));
  EXPECT_TRUE(linesOf("").empty());
}

// Line ends on every side of the 64-byte chunks the walker reads at once,
// a CR at a chunk's last byte with its LF in the next one above all.
TEST(CrLfLines, FindsEveryLineEndWhereverTheChunksFall) {
  std::mt19937 random(11);
  const std::string alphabet = "aaaa\r\n\r\r\n\n";
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const auto size = static_cast<int>(random() % 300);
    for (int i = 0; i < size; ++i) text += alphabet[random() % alphabet.size()];
    ASSERT_EQ(linesOf(text), linesOneByOne(text)) << "round " << round;
    // The same text seen from an offset, as a walk over part of a text is.
    const size_t offset = random() % 64;
    if (offset < text.size()) {
      const std::string_view part = std::string_view(text).substr(offset);
      ASSERT_EQ(linesOf(part), linesOneByOne(part)) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace brimlet
