// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_cleanup.h"

#include <gtest/gtest.h>

#include <tuple>

#include "bucket_texts.h"

namespace brimlet {
namespace {

using Case = std::tuple<Cleanup, std::string, std::string>;

class CleanLine : public ::testing::TestWithParam<Case> {};

TEST_P(CleanLine, KeepsTheRightPart) {
  const auto& [cleanup, line, kept] = GetParam();
  EXPECT_EQ(cleanLine(cleanup, line), kept) << line;
}

INSTANTIATE_TEST_SUITE_P(Paths, CleanLine,
                         ::testing::Values(Case{Cleanup::Paths, "C:\\Musik\\a.mp3", "a.mp3"},
                                           Case{Cleanup::Paths, "/home/u/a b.mp3", "a b.mp3"},
                                           Case{Cleanup::Paths, "C:\\x/y\\z", "z"},
                                           Case{Cleanup::Paths, "a.mp3", "a.mp3"},
                                           Case{Cleanup::Paths, "C:\\Musik\\", ""},
                                           Case{Cleanup::Paths, "***", "***"}));

INSTANTIATE_TEST_SUITE_P(Extensions, CleanLine,
                         ::testing::Values(Case{Cleanup::Extensions, "C:\\Alben.alt\\liesmich",
                                                "C:\\Alben.alt\\liesmich"},
                                           Case{Cleanup::Extensions, "/a.b/readme", "/a.b/readme"},
                                           Case{Cleanup::Extensions, "a.tar.gz", "a.tar"},
                                           Case{Cleanup::Extensions, "x.", "x"},
                                           Case{Cleanup::Extensions, ".hidden", ""},
                                           Case{Cleanup::Extensions, "C:\\a.b\\c.txt",
                                                "C:\\a.b\\c"},
                                           Case{Cleanup::Extensions, "noext", "noext"},
                                           Case{Cleanup::Extensions, "***", "***"}));

INSTANTIATE_TEST_SUITE_P(TrailingBlanks, CleanLine,
                         ::testing::Values(Case{Cleanup::TrailingBlanks, "a b  ", "a b"},
                                           Case{Cleanup::TrailingBlanks, "   ", ""},
                                           Case{Cleanup::TrailingBlanks, " a\t", " a\t"}));

INSTANTIATE_TEST_SUITE_P(TrailingNumbers, CleanLine,
                         ::testing::Values(Case{Cleanup::TrailingNumbers, "Song 12", "Song "},
                                           Case{Cleanup::TrailingNumbers, "Track 3,45", "Track "},
                                           Case{Cleanup::TrailingNumbers, "Track12", "Track12"},
                                           Case{Cleanup::TrailingNumbers, "Song 1:23", "Song 1:23"},
                                           Case{Cleanup::TrailingNumbers, "01 Intro 2,5",
                                                "01 Intro "},
                                           Case{Cleanup::TrailingNumbers, "Intro", "Intro"},
                                           Case{Cleanup::TrailingNumbers, "12345", "12345"},
                                           Case{Cleanup::TrailingNumbers, "a 1,", "a "},
                                           Case{Cleanup::TrailingNumbers, "Song 12 ", "Song 12 "},
                                           Case{Cleanup::TrailingNumbers, " 7", " "}));

TEST(CleanUpBuckets, LinesKeepTheirEndsAndATailStays) {
  NoProgress progress;
  const std::vector<std::string> blanks = {" a  \r\n   \r\ntail  ", "", "x\r\n"};
  const RewrittenBuckets r = cleanUpBuckets(Cleanup::TrailingBlanks, viewsOf(blanks), progress);
  EXPECT_EQ(r.counted, 5);
  EXPECT_EQ(textsOf(r.buckets), (std::vector<std::string>{" a\r\n\r\ntail  ", "", "x\r\n"}));
}

}  // namespace
}  // namespace brimlet
