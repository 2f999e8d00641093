// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/log.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <string>

#include "support/allocation_limit.h"

namespace brimlet {
namespace {

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
  const auto inUse = [] {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;  // large blocks are mapped on their own
  };
  Control log("clog", ControlKind::LogBox, "", "");
  const size_t before = inUse();
  for (int i = 0; i < kLines; ++i) addLogLine(log, {2026, 1, 2, 9, 5, 7}, std::to_string(i));
  const size_t grown = inUse() - before;
  const size_t bytes = log.text().size();
  EXPECT_LE(grown, bytes * 2);
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
