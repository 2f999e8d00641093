// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/log.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <string>

#include "support/allocation_limit.h"

namespace brimlet {
namespace {

size_t inUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;  // large blocks are mapped on their own
}

TEST(LogLine, NewestLineComesFirstWithTwoDigitTime) {
  Control log("zlog", ControlKind::LogBox, "", "");
  addLogLine(log, {2026, 1, 2, 9, 5, 7}, "erste");
  addLogLine(log, {2026, 1, 2, 23, 59, 0}, "zweite");
  EXPECT_EQ(log.text(), "23:59:00: zweite\r\n09:05:07: erste\r\n");
  addLogLine(log, {2026, 1, 2, 0, 0, 1}, "dritte");
  EXPECT_EQ(log.text(), "00:00:01: dritte\r\n23:59:00: zweite\r\n09:05:07: erste\r\n");
  log.setText({});
  addLogLine(log, {2026, 1, 2, 0, 0, 2}, "neu");
  EXPECT_EQ(log.text(), "00:00:02: neu\r\n");
}

// Reading 80,000 folders took 23 s when every line copied the log.
TEST(LogLine, AddingALineDoesNotCopyTheLog) {
  Control log("zlog", ControlKind::LogBox, "", "");
  log.setText(std::string(1 << 20, 'x'));
  const uint64_t revision = log.textRevision();
  {
    const testing::AllocationLimit noCopyOfTheLog(1 << 16);
    for (int i = 0; i < 1000; ++i) addLogLine(log, {2026, 1, 2, 9, 5, 7}, "Ordner: a");
  }
  EXPECT_EQ(log.textRevision(), revision + 1000);
  EXPECT_EQ(log.text().size(), (1u << 20) + 1000 * 21);
  EXPECT_TRUE(log.text().starts_with("09:05:07: Ordner: a\r\n"));
}

// A removal of rising numbers logs one line per number it searched, millions
// on a large text: the pending lines may cost little more than their bytes.
TEST(LogLine, ManyShortLinesCostLittleMoreThanTheirBytes) {
  constexpr int kLines = 200000;
  Control log("clog", ControlKind::LogBox, "", "");
  const size_t before = inUse();
  for (int i = 0; i < kLines; ++i) addLogLine(log, {2026, 1, 2, 9, 5, 7}, std::to_string(i));
  const size_t grown = inUse() - before;
  const size_t bytes = log.text().size();
  EXPECT_LE(grown, bytes * 2);
}

std::string numbered(int64_t i) { return std::to_string(i).insert(0, 1, 'n'); }

TEST(LogLines, ReadAsTheSameLinesAddedOneByOne) {
  const LocalTime time{2026, 1, 2, 9, 5, 7};
  Control block("clog", ControlKind::LogBox, "alt\r\n", "");
  Control single("clog", ControlKind::LogBox, "alt\r\n", "");
  for (Control* log : {&block, &single}) addLogLine(*log, time, "davor");
  addLogLines(block, time, 3, numbered);
  for (int64_t i = 0; i < 3; ++i) addLogLine(single, time, numbered(i));
  for (Control* log : {&block, &single}) addLogLine(*log, time, "danach");
  EXPECT_EQ(block.text(), single.text());
  EXPECT_TRUE(block.text().starts_with("09:05:07: danach\r\n09:05:07: n2\r\n"));
  addLogLines(block, time, 0, numbered);
  addLogLines(block, time, 2, numbered);
  EXPECT_TRUE(block.text().starts_with("09:05:07: n1\r\n09:05:07: n0\r\n09:05:07: danach"));
}

// Six million lines of a removal were held twice: while the pending lines
// doubled their room and when the handler's result line came after them.
TEST(LogLines, AreWrittenOnceWithRoomForTheResultLine) {
  constexpr int64_t kLines = 100000;
  const LocalTime time{2026, 1, 2, 9, 5, 7};
  Control log("clog", ControlKind::LogBox, "", "");
  addLogLine(log, time, "...von 1 aufsteigend entfernen...");
  size_t bytes = 0;
  for (int64_t i = 0; i < kLines; ++i) bytes += 12 + numbered(i).size();
  {
    const testing::AllocationLimit noSecondCopy(bytes + bytes / 8);
    addLogLines(log, time, kLines, numbered);
    addLogLine(log, time, "100000 bis 1 (exkl.) aufsteigend entfernt");
  }
  EXPECT_TRUE(
      log.text().ends_with("09:05:07: n0\r\n09:05:07: ...von 1 aufsteigend entfernen...\r\n"));
}

TEST(LogLines, LeaveNoRoomBehindOnceRead) {
  Control log("clog", ControlKind::LogBox, "", "");
  const size_t before = inUse();
  addLogLines(log, {2026, 1, 2, 9, 5, 7}, 100000, numbered);
  const size_t bytes = log.text().size();
  EXPECT_LE(inUse() - before, bytes + bytes / 8);
}

TEST(ReportSentence, CountDecidesTheForm) {
  EXPECT_EQ(reportSentence(0, "pfade", " entfernt"), "keine pfade vorhanden");
  EXPECT_EQ(reportSentence(3, "zahlen", " entfernt"), "3 zahlen entfernt");
  EXPECT_EQ(reportSentence(-1, "", "daten ins clipboard kopiert"), "daten ins clipboard kopiert");
  EXPECT_EQ(reportSentence(1234567, "dos zeilenenden", " ersetzt"),
            "1234567 dos zeilenenden ersetzt");
}

}  // namespace
}  // namespace brimlet
