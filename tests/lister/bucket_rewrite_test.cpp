// SPDX-License-Identifier: GPL-3.0-or-later
// The two rewrites of the sorted list's buckets: the folder list and the
// drive-letter change, with the date stamps of the latter.
#include <gtest/gtest.h>

#include "bucket_texts.h"
#include "lister/drive_letter.h"
#include "lister/folder_list.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

TEST(FolderList, RunsOfOneFolderGiveOneLineEachTime) {
  // The last folder of one bucket is the first of the next: each bucket
  // lists its own folders.
  const std::vector<std::string> texts = {
      "C:\\a\\1.mp3\r\nC:\\a\\2.mp3\r\nC:\\b\\3.mp3\r\nC:\\a\\4.mp3\r\n", "C:\\a\\5.mp3\r\n",
      "***\r\nohne\r\n\r\n/x/y.txt\r\n", "nur.txt\r\n***\r\n"};
  NoProgress progress;
  const RewrittenBuckets r = makeFolderList(viewsOf(texts), progress);
  EXPECT_EQ(r.counted, 5);
  // Nothing to keep: the last bucket stays as it was rather than vanish.
  EXPECT_EQ(textsOf(r.buckets),
            (std::vector<std::string>{"C:\\a\\\r\nC:\\b\\\r\nC:\\a\\\r\n", "C:\\a\\\r\n", "/x/\r\n",
                                      "nur.txt\r\n***\r\n"}));
  EXPECT_EQ(linesOf(r.buckets), (std::vector<int64_t>{3, 1, 1, 2}));
  EXPECT_EQ(r.buckets.total, 7);
  EXPECT_EQ(r.buckets.text,
            "C:\\a\\\r\nC:\\b\\\r\nC:\\a\\\r\n***\r\nC:\\a\\\r\n***\r\n/x/"
            "\r\n***\r\nnur.txt\r\n***\r\n***\r\n");
}

TEST(DriveLetters, OnlyTheFirstColonEndsTheDrivePart) {
  const std::vector<std::string> texts = {
      "E:\\Musik\\a.mp3\r\nMusik\\a.mp3\r\n\r\nE:\\a:b\r\n\0X:"s, ""};
  NoProgress progress;
  const RewrittenBuckets r = changeDriveLetters(viewsOf(texts), "G:", progress);
  EXPECT_EQ(r.counted, 2);
  EXPECT_EQ(
      textsOf(r.buckets),
      (std::vector<std::string>{"G:\\Musik\\a.mp3\r\nMusik\\a.mp3\r\n\r\nG:\\a:b\r\n\0X:"s, ""}));
}

struct StampCase {
  LocalTime time;
  const char* pattern;
  const char* prefix;
};

class Template : public ::testing::TestWithParam<StampCase> {};

TEST_P(Template, ExpandsItsFirstStamp) {
  EXPECT_EQ(expandTemplate(GetParam().pattern, GetParam().time), GetParam().prefix);
}

constexpr LocalTime kMorning{2026, 12, 6, 8, 9, 10};

INSTANTIATE_TEST_SUITE_P(
    Codes, Template,
    ::testing::Values(StampCase{kMorning, "D:\\Backups\\?i?", "D:\\Backups\\2026-12-06"},
                      StampCase{kMorning, "?d?\\", "06.12.2026\\"},
                      StampCase{kMorning, "B?t?:", "B2026-12-06_08.09.10:"},
                      StampCase{kMorning, "?n?", "06.12.2026_08.09.10"},
                      StampCase{kMorning, "a?x?b", "ab"},
                      StampCase{kMorning, "?i??i?", "2026-12-06?i?"},
                      StampCase{kMorning, "X:", "X:"},
                      StampCase{kMorning, "nur ein ?", "nur ein ?"},
                      StampCase{{987, 3, 9, 23, 5, 0}, "?t?", "0987-03-09_23.05.00"}));

TEST(BackupPrefix, TodayAndYesterdayWithinTheMonth) {
  EXPECT_EQ(backupPrefix(kMorning), "backup2026-12-06");
  EXPECT_EQ(yesterdayBackupPrefix(kMorning), "backup2026-12-05");
  EXPECT_EQ(yesterdayBackupPrefix({2026, 1, 10, 0, 0, 0}), "backup2026-01-09");
}

}  // namespace
}  // namespace brimlet
