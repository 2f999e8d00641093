// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

struct SortCase {
  std::string name;
  std::string input;
  SortOptions options;
  std::string expected;
};

class SortLines : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortLines, GivesTheExpectedOrder) {
  const SortCase& c = GetParam();
  NoProgress progress;
  EXPECT_EQ(LineSort(c.input, progress).sorted(c.options, progress), c.expected);
}

constexpr Comparison kBin = Comparison::Binary;
constexpr Comparison kText = Comparison::Text;

INSTANTIATE_TEST_SUITE_P(
    Cases, SortLines,
    ::testing::Values(
        SortCase{"BinaryPutsCapitalsFirst", "b\r\na\r\nC\r\n", {1, false, kBin}, "C\r\na\r\nb\r\n"},
        SortCase{"BinaryDescending", "b\r\na\r\nC\r\n", {1, true, kBin}, "b\r\na\r\nC\r\n"},
        SortCase{"ColumnThreeBinary",
                 "xxb1\r\nyya2\r\nz\r\n",
                 {3, false, kBin},
                 "z\r\nyya2\r\nxxb1\r\n"},
        SortCase{"LastTwoBinary",
                 "abc19\r\nxyz05\r\n7\r\n",
                 {-2, false, kBin},
                 "7\r\nxyz05\r\nabc19\r\n"},
        SortCase{"UnterminatedLastLine", "b\r\na", {1, false, kBin}, "a\r\nb\r\n"},
        SortCase{"ColumnZeroIsColumnOne", "b\r\na\r\n", {0, false, kBin}, "a\r\nb\r\n"},
        SortCase{"NulAndHighBytes",
                 "\xFF\r\n\0\r\n\x80\r\n"s,
                 {1, false, kBin},
                 "\0\r\n\x80\r\n\xFF\r\n"s},
        SortCase{
            "PrefixFirst", "ab\r\na\r\nabc\r\n\r\n", {1, false, kBin}, "\r\na\r\nab\r\nabc\r\n"},
        SortCase{"FinalLoneLfIsALineEnd", "b\r\na\n", {1, false, kBin}, "a\r\nb\r\n"},
        SortCase{"CrBeforeALineEndAndAtTheEnd", "b\r\r\na\r", {1, false, kBin}, "a\r\r\nb\r\r\n"},
        SortCase{"LoneCrStaysInItsLine", "b\rz\r\na\r\n", {1, false, kBin}, "a\r\nb\rz\r\n"},
        SortCase{"TextIgnoresCaseAndAccents",
                 "\xC4pfel\r\nbirne\r\napfel\r\nZebra\r\nBirne\r\n",
                 {1, false, kText},
                 "apfel\r\n\xC4pfel\r\nBirne\r\nbirne\r\nZebra\r\n"},
        // The first four key bytes alike: the rest of the line decides.
        SortCase{"FourBytesAlikeBinary",
                 "abcdz\r\nabcd\r\nabcdA\r\n",
                 {1, false, kBin},
                 "abcd\r\nabcdA\r\nabcdz\r\n"},
        SortCase{"FourBytesAlikeTextDescending",
                 "WEG a\r\nweg b\r\nWeg a\r\n",
                 {1, true, kText},
                 "weg b\r\nWeg a\r\nWEG a\r\n"},
        SortCase{"TextDescending", "a\r\nB\r\nc\r\n", {1, true, kText}, "c\r\nB\r\na\r\n"},
        // Short lines are keyed as blanks + themselves: before any letter.
        SortCase{
            "TextColumnThree", "xxb1\r\nyya2\r\nz\r\n", {3, false, kText}, "z\r\nyya2\r\nxxb1\r\n"},
        SortCase{"KeyEqualLinesKeepTheirOrder", "a\0\r\na\r\n"s, {5, false, kBin}, "a\0\r\na\r\n"s},
        SortCase{"HugeColumnSortsWholeLines",
                 "b\r\nab\r\na\r\n",
                 {2147483647, false, kBin},
                 "a\r\nab\r\nb\r\n"},
        SortCase{"HugeNegativeColumn",
                 "b\r\nab\r\na\r\n",
                 {-2147483648LL, false, kBin},
                 "a\r\nb\r\nab\r\n"}),
    [](const auto& param) { return param.param.name; });

TEST(LineSort, CountsLinesAsTheFinalLineEndMakesThem) {
  NoProgress progress;
  EXPECT_EQ(LineSort("a", progress).lineCount(), 1u);
  EXPECT_EQ(LineSort("a\r\n", progress).lineCount(), 1u);
  EXPECT_EQ(LineSort("a\n", progress).lineCount(), 1u);
  EXPECT_EQ(LineSort("a\r\n\n", progress).lineCount(), 2u);
  EXPECT_EQ(LineSort("a\rb", progress).lineCount(), 1u);
}

// The binary order is that of `LC_ALL=C sort` on the same lines.
TEST(LineSort, BinaryOrderMatchesTheCLocaleSortTool) {
  std::mt19937 random(2026);
  const std::string alphabet = "aAbBzZ09 -\xE4\xC4\xDF\x80\xFF\x01";
  std::string text;
  for (int line = 0; line < 3000; ++line) {
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    text += "\r\n";
  }
  testing::TempFolder folder;
  std::string unixText;
  for (const char c : text) {
    if (c != '\r') unixText += c;
  }
  folder.write("in.txt", unixText);
  const std::string command =
      "LC_ALL=C sort " + folder.file("in.txt") + " > " + folder.file("out.txt");
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::string expected;
  for (const char c : folder.read("out.txt")) {
    if (c == '\n') expected += '\r';
    expected += c;
  }
  NoProgress progress;
  EXPECT_EQ(LineSort(text, progress).sorted({1, false, Comparison::Binary}, progress), expected);
}

// Sorting in parts on several threads must give the one-thread bytes for
// every option, with ties, equal keys and whole runs of equal lines.
TEST(LineSort, PartsSortedInThreadsGiveTheOneThreadResult) {
  std::mt19937 random(25);
  const std::string alphabet = "aAbB \xE4\xC4\x01";
  for (int round = 0; round < 8; ++round) {
    // Odd rounds have long lines that share their first bytes, which the
    // sort keys with a longer prefix and keys again by later bytes; the
    // longest lead outlasts every keying, so whole lines decide.
    const std::string lead = round % 4 == 1   ? "the same long lead "
                             : round % 4 == 3 ? "a lead longer than every keying of a run of ties"
                                              : "";
    std::string text;
    std::vector<std::string> byBytes;
    for (int line = 0; line < 4000; ++line) {
      std::string bytes = lead;
      if (random() % 4 == 0) {
        bytes += "same line";
      } else {
        const int length = static_cast<int>(random() % 7);
        for (int i = 0; i < length; ++i) bytes += alphabet[random() % alphabet.size()];
      }
      text += bytes + "\r\n";
      byBytes.push_back(bytes);
    }
    std::stable_sort(byBytes.begin(), byBytes.end());
    std::string expected;
    for (const std::string& bytes : byBytes) expected += bytes + "\r\n";
    NoProgress progress;
    const LineSort lines(text, progress);
    ASSERT_EQ(lines.sorted({1, false, Comparison::Binary}, progress, 2), expected);
    for (const int64_t column : {1, 3, -2}) {
      for (const bool descending : {false, true}) {
        for (const Comparison comparison : {Comparison::Binary, Comparison::Text}) {
          const SortOptions options{column, descending, comparison};
          const std::string oneThread = lines.sorted(options, progress, 1);
          for (const unsigned threads : {2u, 3u, 7u}) {
            ASSERT_EQ(lines.sorted(options, progress, threads), oneThread)
                << "round " << round << ", column " << column << ", threads " << threads;
          }
        }
      }
    }
  }
}

// Cancels at the first report once the lines are keyed, which in the
// threaded sort comes from the calling thread while the workers sort.
class CancelWhileSorting final : public Progress {
 public:
  void setMaximum(int64_t) override {}
  void setValue(int64_t value) override {
    if (keyed_) throw OperationCancelled{};
    keyed_ = value == 0;
  }

 private:
  bool keyed_ = false;
};

TEST(LineSort, ACancelStopsTheWorkerThreads) {
  std::string text;
  for (int line = 0; line < 200000; ++line) text += std::to_string(line * 7919 % 100003) + "\r\n";
  NoProgress walking;
  const LineSort lines(text, walking);
  CancelWhileSorting progress;
  EXPECT_THROW((void)lines.sorted({}, progress, 2), OperationCancelled);
}

}  // namespace
}  // namespace brimlet
