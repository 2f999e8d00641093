// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/word_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/text_compare.h"

namespace brimlet {
namespace {

bool isSeparator(unsigned char byte, const WordIndexOptions& options) {
  const std::string_view marks("()*+,.:;<=>?[]\x82\x84\x85\x8B\x93\x94\x9B\xA6\xAB\xBB\xBF");
  return byte <= 34 || marks.find(static_cast<char>(byte)) != std::string_view::npos ||
         (options.digitsSeparate && byte >= '0' && byte <= '9') ||
         (options.hyphensSeparate && (byte == '-' || byte == 0x96 || byte == 0x97));
}

// The index as a map of whole words, the plainest way there is to build it.
WordIndex modelIndex(std::string_view text, const WordIndexOptions& options) {
  struct Seen {
    int64_t count = 0;
    int64_t line = 0;
  };
  std::map<std::string, Seen> seen;
  std::vector<std::string> order;
  std::string word;
  int64_t line = 1;
  auto flush = [&] {
    if (word.empty()) return;
    Seen& entry = seen[word];
    if (entry.count++ == 0) {
      entry.line = line;
      order.push_back(word);
    }
    word.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    if (!isSeparator(static_cast<unsigned char>(text[i]), options)) {
      word += text[i];
      continue;
    }
    flush();
    if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') ++line;
  }
  flush();
  if (options.sorted) {
    std::sort(order.begin(), order.end(),
              [](const std::string& a, const std::string& b) { return compareText(a, b) < 0; });
  }
  WordIndex index;
  index.words = static_cast<int64_t>(order.size());
  for (const std::string& w : order) {
    if (options.capitalsOnly && !(w[0] >= 'A' && w[0] <= 'Z')) continue;
    index.text += w;
    if (options.withCount) index.text += "\t\t\t" + std::to_string(seen[w].count);
    if (options.withFirstLine) index.text += "\t\t\t" + std::to_string(seen[w].line);
    index.text += "\r\n";
  }
  return index;
}

// Texts from a few bytes of every kind (letters that weigh the same,
// digits, hyphens, separators, CR and LF alone and in pairs), with words of
// one to twenty bytes, so that words run across the eight-byte steps of the
// hash and the text ends inside a word as often as after one.
std::string randomText(std::mt19937& random) {
  static const std::string pieces[] = {
      "a", "A", "\xC4", "\xE4", "b",    "B",           "z",          "1",
      "9", "-", "\x96", "Haus", "haus", "Verzeichnis", "0123456789", " ",
      ",", ".", "\x84", "\r\n", "\r",   "\n",          "\t",
  };
  std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 400);
  std::string text;
  for (int n = length(random); n > 0; --n) text += pieces[piece(random)];
  return text;
}

class WordIndexOptionsTest : public ::testing::TestWithParam<int> {};

TEST_P(WordIndexOptionsTest, GivesWhatAMapOfWordsGives) {
  const int bits = GetParam();
  const WordIndexOptions options{.sorted = (bits & 1) != 0,
                                 .capitalsOnly = (bits & 2) != 0,
                                 .digitsSeparate = (bits & 4) != 0,
                                 .hyphensSeparate = (bits & 8) != 0,
                                 .withCount = (bits & 16) != 0,
                                 .withFirstLine = (bits & 32) != 0};
  std::mt19937 random(static_cast<uint32_t>(bits));
  NoProgress progress;
  for (int round = 0; round < 40; ++round) {
    const std::string text = randomText(random);
    const WordIndex expected = modelIndex(text, options);
    const WordIndex index = buildWordIndex(text, options, progress);
    ASSERT_EQ(index.text, expected.text) << testing::PrintToString(text);
    ASSERT_EQ(index.words, expected.words) << testing::PrintToString(text);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCombination, WordIndexOptionsTest, ::testing::Range(0, 64));

}  // namespace
}  // namespace brimlet
