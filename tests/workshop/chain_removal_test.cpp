// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/chain_removal.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "workshop/typed_input.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

struct DecodeCase {
  std::string typed;
  bool codes;
  std::optional<std::string> bytes;
};

class DecodeTypedChain : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTypedChain, TurnsCodesIntoBytes) {
  EXPECT_EQ(decodeTypedChain(GetParam().typed, GetParam().codes), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTypedChain,
    ::testing::Values(DecodeCase{"13-10-", true, "\r\n"}, DecodeCase{"13-10", true, "\r"},
                      DecodeCase{"65", true, "A"}, DecodeCase{"", true, "\0"s},
                      DecodeCase{"x", true, "\0"s}, DecodeCase{"256", true, std::nullopt},
                      DecodeCase{"65-300-", true, std::nullopt},
                      DecodeCase{"a::13::::10::b", false, "a\r\nb"},
                      // The closing mark may not touch the opening one.
                      DecodeCase{"a::::b", false, "a::::b"}, DecodeCase{"::65::::", false, "A::"},
                      DecodeCase{"x::1000::", false, std::nullopt},
                      DecodeCase{"::13", false, "::13"}, DecodeCase{"", false, ""}));

struct RemovalCase {
  std::string input;
  std::string chain;
  ChainRemoval how;
  std::string expected;
  int64_t count;
};

class RemoveChain : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(RemoveChain, RemovesEveryHitOnce) {
  NoProgress progress;
  const RemovalCase& c = GetParam();
  const TextEdit r = removeChain(c.input, c.chain, c.how, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveChain,
    ::testing::Values(RemovalCase{"xabab", "ab", {}, "x", 2}, RemovalCase{"aaa", "aa", {}, "a", 1},
                      RemovalCase{"a\r\nb\r\nc", "\r\n", {}, "abc", 2},
                      RemovalCase{"xyz", "q", {}, "xyz", 0},
                      // The last byte of a text without a final line end stays.
                      RemovalCase{"abcab", "ab", {}, "c", 2},
                      RemovalCase{"A Preis 3\r\nB", "Preis", {true, false}, "A \r\nB", 1},
                      RemovalCase{"A Preis 3\r\nB", "Preis", {true, true}, "A B", 1},
                      RemovalCase{"a Preis\r\nPreis x\r\n", "Preis", {true, true}, "a ", 2},
                      // A hit in a last line without CR LF takes only the chain.
                      RemovalCase{"x Preis 3", "Preis", {true, false}, "x  3", 1},
                      // A chain holding a line break takes the rest of the line it ends
                      // in, and never less than itself.
                      RemovalCase{"a\r\nbc\r\nd", "\r\n", {true, false}, "ad", 2}));

// Each hit used to search the rest of the text for a CR LF that never came.
TEST(RemoveChain, ToTheLineEndStaysLinearWithoutCrLf) {
  NoProgress progress;
  const std::string noLineEnd(1 << 20, 'a');
  EXPECT_EQ(removeChain(noLineEnd, "a", {true, false}, progress).count, 1 << 20);
  std::string lfLines;
  std::string lfLinesLeft;
  for (int i = 0; i < 1 << 17; ++i) {
    lfLines += "ein Haus\n";
    lfLinesLeft += "ein \n";
  }
  const TextEdit r = removeChain(lfLines, "Haus", {true, true}, progress);
  EXPECT_EQ(r.count, 1 << 17);
  EXPECT_EQ(r.text, lfLinesLeft);
}

TEST(RemoveWildcard, NeedsOneByteBetweenPrefixAndSuffix) {
  NoProgress progress;
  const TextEdit r = removeWildcard("a[1]b[]c[22]", *splitWildcard("[<<<>>>]"), progress);
  EXPECT_EQ(r.text, "ab");
  EXPECT_EQ(r.count, 2);
}

TEST(RemoveWildcard, APrefixWithoutSuffixEndsTheRemoval) {
  NoProgress progress;
  const TextEdit r =
      removeWildcard("<b>x</b> <b>y <b>z</b>", *splitWildcard("<b><<<>>></b>"), progress);
  EXPECT_EQ(r.text, " ");
  EXPECT_EQ(r.count, 2);
  EXPECT_EQ(removeWildcard("[1] [2", *splitWildcard("[<<<>>>]"), progress).text, " [2");
}

TEST(RemoveWildcard, AnEmptyTextWithoutStorageIsNoSearchThroughNull) {
  NoProgress progress;
  EXPECT_EQ(removeWildcard(std::string_view(), *splitWildcard("[<<<>>>]"), progress).count, 0);
  EXPECT_EQ(findBytes("ab", "abc", 0), std::string_view::npos);
}

TEST(SplitWildcard, RejectsAMissingOrLeadingMarkerAndShortChains) {
  for (const char* bad : {"<<<>>>]", "abcdefgh", "[<<<>>>", "<<<>>>"}) {
    EXPECT_FALSE(splitWildcard(bad)) << bad;
  }
  EXPECT_EQ(splitWildcard("ab<<<>>>")->suffix, "");
}

TEST(RemoveRecords, KeepsTheEmptyLineAfterEachRecord) {
  NoProgress progress;
  const TextEdit r = removeRecords(
      "head\r\nAudit 1\r\nSddl: x\r\n\r\nmid\r\nAudit 2 Sddl\r\n\r\nAudit 3\r\nSddl\r\ntail",
      progress);
  EXPECT_EQ(r.text, "head\r\n\r\nmid\r\n\r\nAudit 3\r\nSddl\r\ntail");
  EXPECT_EQ(r.count, 2);
}

struct SequenceCase {
  std::string typed;
  bool fixedWidth;
  std::string input;
  std::string expected;
  std::vector<std::string> searched;
};

class RemoveNumberSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(RemoveNumberSequence, RemovesOneNumberPerLaterLine) {
  NoProgress progress;
  const SequenceCase& c = GetParam();
  const std::optional<NumberSequence> sequence = parseNumberSequence(c.typed, c.fixedWidth);
  ASSERT_TRUE(sequence);
  const SequenceRemoval r = removeNumberSequence(c.input, *sequence, progress);
  EXPECT_EQ(r.edit.text, c.expected);
  EXPECT_EQ(r.edit.count, static_cast<int64_t>(c.searched.size()) - 1);
  std::vector<std::string> searched;
  for (int64_t i = 0; i < r.searched; ++i) searched.push_back(sequence->text(sequence->start + i));
  EXPECT_EQ(searched, c.searched);
}

TEST(RemoveNumberSequence, StopsAtTheLargestNumberAndRefusesLargerStarts) {
  NoProgress progress;
  const std::optional<NumberSequence> largest = parseNumberSequence("9223372036854775807", false);
  ASSERT_TRUE(largest);
  const SequenceRemoval r =
      removeNumberSequence("9223372036854775807 a\r\nb\r\n", *largest, progress);
  EXPECT_EQ(r.edit.text, " a\r\nb\r\n");
  EXPECT_EQ(r.searched, 1);
  EXPECT_EQ(parseNumberSequence("#9223372036854775808", false), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveNumberSequence,
    ::testing::Values(SequenceCase{"1",
                                   false,
                                   "1 a\r\nx2 b\r\n3 c\r\n3 d\r\n",
                                   " a\r\nx b\r\n c\r\n3 d\r\n",
                                   {"1", "2", "3", "4"}},
                      // A second 2 in the same line is not the next number.
                      SequenceCase{"1", false, "1 2\r\n2\r\n", " 2\r\n\r\n", {"1", "2", "3"}},
                      SequenceCase{"#01",
                                   true,
                                   "#01 a #02\r\nb#02\r\n#3\r\n",
                                   " a #02\r\nb\r\n#3\r\n",
                                   {"01", "02", "03"}},
                      SequenceCase{"01", false, "x1\r\n2\r\n", "x\r\n\r\n", {"1", "2", "3"}},
                      // With fixed width the number wraps to zero after 9.
                      SequenceCase{
                          "9", true, "9\r\n0\r\n1\r\n", "\r\n\r\n\r\n", {"9", "0", "1", "2"}},
                      SequenceCase{"5", false, "no numbers", "no numbers", {"5"}},
                      SequenceCase{"2147483648",
                                   false,
                                   "2147483648\r\n2147483649\r\n",
                                   "\r\n\r\n",
                                   {"2147483648", "2147483649", "2147483650"}}));

struct CutCase {
  std::string at;
  bool keepFirst;
  std::string input;
  std::string expected;
  int64_t count;
};

class CutLinesAt : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutLinesAt, DropsLinesLeftEmpty) {
  NoProgress progress;
  const CutCase& c = GetParam();
  const TextEdit r = cutLinesAt(c.input, c.at, c.keepFirst, progress);
  EXPECT_EQ(r.text, c.expected);
  EXPECT_EQ(r.count, c.count);
}

INSTANTIATE_TEST_SUITE_P(Cases, CutLinesAt,
                         ::testing::Values(CutCase{"=", false, "a=1\r\n=2\r\nb", "a\r\nb\r\n", 2},
                                           CutCase{"=", true, "a=1\r\n=2\r\nb", "a=\r\n=\r\nb\r\n",
                                                   2},
                                           CutCase{"=", false, "\r\nb\r\n", "b\r\n", 0},
                                           CutCase{"ab", false, "xaab==ab\r\n", "xa\r\n", 1}));

}  // namespace
}  // namespace brimlet
