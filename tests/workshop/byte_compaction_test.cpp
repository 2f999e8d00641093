// SPDX-License-Identifier: GPL-3.0-or-later
// The removal kernels work sixteen bytes at a time with a byte-by-byte tail;
// random texts of every length around a vector's size, over several slices,
// must come out as a plain filter makes them.
#include "workshop/byte_compaction.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/progress.h"
#include "workshop/blank_lines.h"
#include "workshop/character_classes.h"
#include "workshop/line_endings.h"
#include "workshop/line_prefix.h"
#include "workshop/slice_rewrite.h"
#include "workshop/trimming.h"

namespace brimlet {
namespace {

// Bytes drawn mostly from a few values, so runs, members and blanks are
// frequent, and now and then any byte.
std::string randomText(std::mt19937& random, size_t size) {
  std::string text(size, ' ');
  for (char& c : text) {
    const auto roll = static_cast<unsigned>(random() % 8);
    c = roll < 3   ? ' '
        : roll < 6 ? static_cast<char>('a' + random() % 3)
                   : static_cast<char>(random() % 256);
  }
  return text;
}

TEST(ByteCompaction, KeepsWhatAPlainFilterKeepsAtEveryLength) {
  std::mt19937 random(7);
  std::array<bool, 256> members{};
  for (const int b : {int{' '}, int{'b'}, 0, 0x80, 0xFF, 0x7F, 0x10}) members[b] = true;
  const ByteSet set(members);
  for (size_t size = 0; size < 80; ++size) {
    const std::string text = randomText(random, size);
    std::string kept;
    std::string gone;
    for (const char c : text) (members[static_cast<unsigned char>(c)] ? gone : kept) += c;
    std::string to(size + kCompactionRoom, '?');
    std::string removed(size + kCompactionRoom, '?');
    const size_t n = compactBytes(text.data(), size, set, to.data(), removed.data());
    EXPECT_EQ(to.substr(0, n), kept) << size;
    EXPECT_EQ(removed.substr(0, size - n), gone) << size;
  }
}

TEST(ByteCompaction, WholeTextsOverManySlices) {
  std::mt19937 random(11);
  const std::string text = randomText(random, 3 * kSlice + 77);
  NoProgress progress;

  std::array<bool, 256> remove{};
  remove['a'] = remove[' '] = remove[0xE4] = true;
  std::string expected;
  ByteCounts counts{};
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (remove[byte]) {
      ++counts[byte];
    } else {
      expected += c;
    }
  }
  EXPECT_EQ(withoutBytes(text, remove, progress), expected);
  const ByteRemoval removal = countAndRemoveBytes(text, remove, progress);
  EXPECT_EQ(removal.text, expected);
  EXPECT_EQ(removal.counts, counts);

  std::string collapsed;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == ' ' && i > 0 && text[i - 1] == ' ')) collapsed += text[i];
  }
  const TextEdit edit = collapseBlanks(text, progress);
  EXPECT_EQ(edit.text, collapsed);
  EXPECT_EQ(edit.count, static_cast<int64_t>(text.size() - collapsed.size()));
}

// CR and LF in one byte out of `oneIn` each, plain letters between.
std::string lineEndNoise(std::mt19937& random, size_t size, unsigned oneIn) {
  std::string text(size, 'x');
  for (char& c : text) {
    const auto roll = static_cast<unsigned>(random() % oneIn);
    c = roll == 0 ? '\r' : roll == 1 ? '\n' : 'x';
  }
  return text;
}

// Line ends fall on every slice and vector edge somewhere in the text, and
// on the slice edges on purpose.
TEST(ByteCompaction, LineEndsChangeAcrossSlices) {
  std::mt19937 random(13);
  std::string text = lineEndNoise(random, 2 * kSlice + 35, 4);
  text[0] = '\n';
  text[kSlice - 1] = '\r';
  text[kSlice] = '\n';
  text[2 * kSlice - 1] = 'x';
  text[2 * kSlice] = '\n';
  text.back() = '\r';
  std::string lfEnds;
  std::string crLfEnds(1, text[0]);  // the first byte has no predecessor and stays
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lfEnds += text[i];
    if (i == 0) continue;
    if (text[i] == '\n' && text[i - 1] != '\r') crLfEnds += '\r';
    crLfEnds += text[i];
  }
  NoProgress progress;
  const TextEdit toLf = crLfToUnix(text, progress);
  EXPECT_EQ(toLf.text, lfEnds);
  EXPECT_EQ(toLf.count, static_cast<int64_t>(text.size() - lfEnds.size()));
  const UnixConversion toCrLf = unixToCrLf(text, progress);
  EXPECT_EQ(toCrLf.edit.text, crLfEnds);
  EXPECT_EQ(toCrLf.edit.count, static_cast<int64_t>(crLfEnds.size() - text.size()));
}

// The general line-prefix removal, which the empty-line removal replaced
// for its speed, is the reference here.
TEST(ByteCompaction, EmptyLinesGoAsThePrefixRemovalTakesThem) {
  std::mt19937 random(17);
  for (const size_t size :
       {size_t{0}, size_t{1}, size_t{2}, size_t{5}, size_t{19}, size_t{40}, 2 * kSlice + 9}) {
    for (int round = 0; round < 20; ++round) {
      std::string text = lineEndNoise(random, size, 3);
      if (size > kSlice + 2) text.replace(kSlice - 2, 4, "\r\n\r\n");
      NoProgress progress;
      const TextEdit expected = removeLinePrefix(text, "\r\n", progress);
      const TextEdit edit = removeEmptyLines(text, progress);
      ASSERT_EQ(edit.text, expected.text) << size << " " << round;
      EXPECT_EQ(edit.count, expected.count);
    }
  }
}

}  // namespace
}  // namespace brimlet
