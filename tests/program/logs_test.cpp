// SPDX-License-Identifier: GPL-3.0-or-later
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
  main.log("...gruppen sortieren...", 1);
  EXPECT_TRUE(main.PRBF.visible());
  EXPECT_EQ(main.PRBF.value(), 0);
  EXPECT_EQ(main.STBF.text(), "Geladen: 6 Bytes ~~~ Bearbeitet: 8 Bytes ~~~ Zeilen: 1");
  main.log("fertig", 2);
  EXPECT_FALSE(main.PRBF.visible());
  main.log("nebenbei", 0);
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
  w.log("...arbeit...", 2);
  EXPECT_TRUE(w.PRBC.visible());
  EXPECT_EQ(w.PRBC.maximum(), 100);
  w.log("fertig", 3);
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

}  // namespace
}  // namespace brimlet
