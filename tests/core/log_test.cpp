#include <gtest/gtest.h>

#include "core/log.h"

namespace brimlet {
namespace {

TEST(LogLine, NewestLineComesFirstWithTwoDigitTime) {
  std::string log;
  prependLogLine(log, {2026, 1, 2, 9, 5, 7}, "erste");
  prependLogLine(log, {2026, 1, 2, 23, 59, 0}, "zweite");
  EXPECT_EQ(log, "23:59:00: zweite\r\n09:05:07: erste\r\n");
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
