// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string_view>

#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

class LogsTest : public testing::ProgramTest {
 protected:
  void SetUp() override { program.start(); }
};

TEST_F(LogsTest, MainLogModesDriveTheProgressBarAndCounters) {
  MainWindow& main = program.main();
  main.fileList = "a\r\nb\r\n";
  main.buckets.text = "a\r\n***\r\n";
  main.buckets.total = 1;
  main.PRBF.setValue(40);
  main.log("...gruppen sortieren...", LogMode::ShowProgress);
  EXPECT_TRUE(main.PRBF.visible());
  EXPECT_EQ(main.PRBF.value(), 0);
  EXPECT_EQ(main.STBF.text(), "Geladen: 6 Bytes ~~~ Bearbeitet: 8 Bytes ~~~ Zeilen: 1");
  main.log("fertig", LogMode::HideProgress);
  EXPECT_FALSE(main.PRBF.visible());
  main.log("nebenbei", LogMode::Line);
  EXPECT_EQ(main.zlog.text(),
            "08:09:10: nebenbei\r\n08:09:10: fertig\r\n08:09:10: ...gruppen sortieren...\r\n");
}

TEST_F(LogsTest, MainNoDataCheckLogsOnlyWhenTheListIsEmpty) {
  EXPECT_TRUE(program.main().noDataCheck());
  EXPECT_EQ(program.main().zlog.text(), "08:09:10: keine daten geladen\r\n");
  program.main().fileList = "x\r\n";
  EXPECT_FALSE(program.main().noDataCheck());
  EXPECT_EQ(program.main().zlog.text(), "08:09:10: keine daten geladen\r\n");
}

TEST_F(LogsTest, WorkshopLogModesAndClearing) {
  Workshop& w = program.workshop();
  w.working().replace("abc\r\n");
  w.log("...arbeit...", LogMode::ShowProgress);
  EXPECT_TRUE(w.PRBC.visible());
  EXPECT_EQ(w.PRBC.maximum(), 100);
  w.log("fertig", LogMode::HideProgress);
  EXPECT_FALSE(w.PRBC.visible());
  EXPECT_EQ(w.STBC.text(), "Daten: 5 Bytes ~~~ Windows-1252, CR LF");
  w.working().replace({});
  w.invoke("qvl_logdel_Click");
  EXPECT_EQ(w.clog.text(), "");
  EXPECT_EQ(w.STBC.text(), "Daten: 0 Bytes");
}

TEST_F(LogsTest, RenamerLogPutsNewestFirst) {
  program.renamer().log("eins");
  program.renamer().log("zwei");
  EXPECT_EQ(program.renamer().rlog.text(), "08:09:10: zwei\r\n08:09:10: eins\r\n");
}

// A handler logs into its own window, whichever tool is shown: a result
// must land where the operation was started, and a mode must never drive
// the progress bar of another window.
struct OwnLogCase {
  Tool shown;
  const char* window;  // "main" or "workshop"
  const char* handler;
  const char* line;
};

std::ostream& operator<<(std::ostream& out, const OwnLogCase& c) { return out << c.handler; }

class OwnLog : public LogsTest, public ::testing::WithParamInterface<OwnLogCase> {};

TEST_P(OwnLog, ReportsStayInTheLogOfTheWindowWhoseHandlerMadeThem) {
  const OwnLogCase& c = GetParam();
  MainWindow& main = program.main();
  Workshop& w = program.workshop();
  main.takeUnsortedList("/a/x.mp3\r\n/b/y.jpg\r\n");
  w.working().replace("a\r\nb\r\n");
  program.showTool(c.shown);
  const bool own = std::string_view(c.window) == "main";
  WindowModel& window = own ? static_cast<WindowModel&>(main) : w;
  Control& ownLog = own ? main.zlog : w.clog;
  Control& otherLog = own ? w.clog : main.zlog;
  Control& otherBar = own ? w.PRBC : main.PRBF;
  otherLog.setText({});
  otherBar.setVisible(true);
  ASSERT_TRUE(window.invoke(c.handler));
  EXPECT_NE(ownLog.text().find("08:09:10: " + cp(c.line) + "\r\n"), std::string::npos)
      << ownLog.text();
  EXPECT_EQ(otherLog.text(), "");
  EXPECT_TRUE(otherBar.visible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Logs, OwnLog, ::testing::Values(
    OwnLogCase{Tool::Workshop, "main", "main_remp_Click", "2 pfade entfernt"},
    OwnLogCase{Tool::Renamer, "main", "main_remp_Click", "2 pfade entfernt"},
    OwnLogCase{Tool::Workshop, "main", "main_pst_Click", "keine textdaten im clipboard"},
    OwnLogCase{Tool::Workshop, "main", "main_cpy_Click", "daten ins clipboard kopiert"},
    OwnLogCase{Tool::Main, "workshop", "qvl_dos_Click", "2 dos zeilenenden ersetzt"},
    OwnLogCase{Tool::Main, "workshop", "qvl_pst_Click", "keine textdaten im clipboard"},
    OwnLogCase{Tool::Renamer, "workshop", "qvl_cpy_Click", "daten ins clipboard kopiert"}));
// clang-format on

}  // namespace
}  // namespace brimlet
