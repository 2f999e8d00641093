// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/program_fixture.h"

namespace brimlet {
namespace {

class SwitchingTest : public testing::ProgramTest {
 protected:
  void SetUp() override { program.start(); }

  // Which of the three tool windows are shown, as "main workshop renamer" flags.
  std::string shown() {
    return std::string(program.main().window().visible() ? "M" : "-") +
           (program.workshop().window().visible() ? "W" : "-") +
           (program.renamer().window().visible() ? "R" : "-");
  }
};

TEST_F(SwitchingTest, ExactlyOneToolWindowIsShownAtATime) {
  program.main().invoke("main_quorvel_Click");
  EXPECT_EQ(shown(), "-W-");
  program.workshop().invoke("qvl_qzr_Click");
  EXPECT_EQ(shown(), "--R");
  EXPECT_TRUE(program.session().renamerShown);
  EXPECT_FALSE(program.session().workshopShown);
  program.renamer().invoke("drm_qzc_Click");
  EXPECT_EQ(shown(), "-W-");
  program.workshop().invoke("qvl_qfs_Click");
  EXPECT_EQ(shown(), "M--");
  program.main().invoke("main_dremmick_Click");
  EXPECT_EQ(shown(), "--R");
  program.renamer().invoke("drm_qfs_Click");
  EXPECT_EQ(shown(), "M--");
  EXPECT_FALSE(program.session().renamerShown);
}

TEST_F(SwitchingTest, ClosingAToolWindowReturnsToTheMainWindow) {
  program.main().invoke("main_quorvel_Click");
  program.workshop().invoke("frm8_Close");
  EXPECT_EQ(shown(), "M--");
  program.main().invoke("main_dremmick_Click");
  program.renamer().invoke("frm7_Close");
  EXPECT_EQ(shown(), "M--");
  EXPECT_FALSE(program.ended());
}

TEST_F(SwitchingTest, ASwitchClosesAndEmptiesTheDisplayWindow) {
  program.display().window().setVisible(true);
  program.display().show_result.setText("text");
  program.main().invoke("main_quorvel_Click");
  EXPECT_FALSE(program.display().window().visible());
  EXPECT_EQ(program.display().show_result.text(), "");
}

TEST_F(SwitchingTest, EndButtonsOfTheToolsEndTheProgram) {
  program.main().invoke("main_quorvel_Click");
  program.workshop().invoke("qvl_quit_Click");
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(shown(), "---");
}

TEST_F(SwitchingTest, ReportsGoToTheLogOfTheVisibleTool) {
  program.report(LogMode::Line, 3, "zahlen", " entfernt");
  program.main().invoke("main_quorvel_Click");
  program.report(LogMode::HideProgress, 0, "pfade", " entfernt");
  EXPECT_EQ(program.main().zlog.text(), "08:09:10: 3 zahlen entfernt\r\n");
  EXPECT_EQ(program.workshop().clog.text(), "08:09:10: keine pfade vorhanden\r\n");
}

}  // namespace
}  // namespace brimlet
