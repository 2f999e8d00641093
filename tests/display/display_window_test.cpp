// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

class DisplayTest : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.main().invoke("main_quorvel_Click");
    program.workshop().working().replace("eins\r\nzwei\r\n");
    program.workshop().working().replaceUndoCopy("alt\r\n");
    program.workshop().working().rename("x");
    program.showInDisplay({cp("Quorvel Anzeige x"), cp("Quorvel Anzeige * x"),
                           program.workshop().working().text(), true, true});
  }
  DisplayWindow& display() { return program.display(); }
  void run(const std::string& handler, const std::vector<std::string>& args = {}) {
    ASSERT_TRUE(display().invoke(handler, args)) << handler;
  }
};

TEST_F(DisplayTest, AnEditAppliedFromTheWorkshopLeavesItsUndoCopy) {
  display().setFieldText("neu\n");
  run("show_result_Change");
  EXPECT_EQ(display().window().text(), cp("Quorvel Anzeige * x"));
  run("show_ubn_Click");
  EXPECT_EQ(program.workshop().working().text(), "neu\r\n");
  EXPECT_EQ(program.workshop().working().undoCopy(), "alt\r\n");
  EXPECT_EQ(display().window().text(), cp("Quorvel Anzeige x"));
  EXPECT_EQ(program.workshop().clog.text(), cp("08:09:10: änderungen übernommen\r\n"));
}

TEST_F(DisplayTest, AfterApplyingTheTitleNamesTheWorkingTextAsItIsNow) {
  program.workshop().working().rename("/tmp/neu.txt");  // saved under a new name meanwhile
  run("show_ubn_Click");
  EXPECT_EQ(display().window().text(), "Quorvel Anzeige /tmp/neu.txt");
  display().setFieldText("neu\r\n");
  run("show_result_Change");
  EXPECT_EQ(display().window().text(), "Quorvel Anzeige * /tmp/neu.txt");
}

TEST_F(DisplayTest, UndoTwiceLeavesTheTextOfTheFirstUndo) {
  run("show_clear_Click");
  EXPECT_EQ(display().fieldText(), "");
  run("show_undo_Click");
  EXPECT_EQ(display().fieldText(), "eins\r\nzwei\r\n");
  run("show_undo_Click");
  EXPECT_EQ(display().fieldText(), "eins\r\nzwei\r\n");
}

TEST_F(DisplayTest, SearchesMoveTheCaretAndSelectNextUsesTheSearchText) {
  display().show_find.setText("ZWEI");
  run("show_find_Change");
  run("show_cont_f_Click");
  EXPECT_EQ(display().show_result.selectionStart(), 5);
  EXPECT_EQ(display().show_result.selectionLength(), 4);
  run("show_result_SelChange", {"0", "0"});
  run("show_sel_Click");  // exact case: nothing
  EXPECT_EQ(display().show_result.selectionStart(), 0);
  display().show_find.setText("zwei");
  run("show_find_Change");
  run("show_sel_Click");
  EXPECT_EQ(display().show_result.selectionStart(), 5);
}

TEST_F(DisplayTest, ReduceToTheRememberedSelection) {
  run("show_result_SelChange", {"1", "7"});  // "ins" CR LF "zwe"
  run("show_insel_Click");
  run("show_isel_Click");
  EXPECT_EQ(display().fieldText(), "ins\r\nzwe");
  run("show_undo_Click");
  EXPECT_EQ(display().fieldText(), "eins\r\nzwei\r\n");
}

TEST_F(DisplayTest, AHitOfTheSearchIsTheRememberedSelection) {
  display().show_find.setText("ZWEI");
  run("show_find_Change");
  run("show_cont_f_Click");
  run("show_insel_Click");  // select text: "zwei" as it stands in the field
  run("show_result_SelChange", {"0", "0"});
  run("show_sel_Click");
  EXPECT_EQ(display().show_result.selectionStart(), 5);
  run("show_isel_Click");
  EXPECT_EQ(display().fieldText(), "zwei");
}

TEST_F(DisplayTest, ClosingEmptiesTheWindowAndSwitchingHidesIt) {
  display().show_find.setText("x");
  run("show_find_Change");
  run("frm4_Close");
  EXPECT_FALSE(display().window().visible());
  EXPECT_EQ(display().fieldText(), "");
  EXPECT_EQ(display().show_find.text(), "");
  program.showInDisplay({"t", "", "abc", false, true});
  program.workshop().invoke("qvl_qfs_Click");
  EXPECT_FALSE(display().window().visible());
  EXPECT_EQ(display().fieldText(), "");
}

TEST_F(DisplayTest, NothingIsAppliedToTheMainWindow) {
  program.workshop().invoke("qvl_qfs_Click");
  program.main().buckets.text = "liste\r\n";
  program.showInDisplay({"Brimlet Anzeige ", "", "liste\r\n", false, true});
  display().setFieldText("anders");
  EXPECT_FALSE(display().invoke("show_ubn_Click"));  // hidden over the main window's list
  EXPECT_EQ(program.main().processedList(), "liste\r\n");
  display().findControl("qvl_pwd_autoundo")->setValue(0);
  run("qvl_pwd_autoundo_Click");
  run("show_undo2_Click");
  EXPECT_EQ(display().fieldText(), "liste\r\n");
}

TEST_F(DisplayTest, TheRenamerGetsItsNamesWithAFinalLineEnd) {
  program.workshop().invoke("qvl_qzr_Click");
  program.showInDisplay(
      {"Dremmick Inhalt erstellen", "Dremmick Inhalt erstellen *", "", true, false});
  display().setFieldText("a\r\nb");
  run("show_ubn_Click");
  EXPECT_EQ(program.renamer().namesText, "a\r\nb\r\n");
  EXPECT_FALSE(display().show_find.visible());  // the renamer shows no tools
}

TEST_F(DisplayTest, TheTwoExclusionBoxesAreOneSwitch) {
  display().qvl_snan.setValue(1);
  run("qvl_snan_Click");
  EXPECT_EQ(display().show_snan.value(), 1);
  display().setFieldText("ass ss");
  display().show_find.setText("ss\r\nass");
  run("show_find_Change");
  run("show_cont_f_Click");
  EXPECT_EQ(display().show_result.selectionStart(), 4);
}

}  // namespace
}  // namespace brimlet

namespace brimlet {
namespace {

using OpenersTest = testing::ProgramTest;

TEST_F(OpenersTest, TheWorkshopShowsItsTextWithTheApplyButton) {
  program.start();
  program.main().invoke("main_quorvel_Click");
  Workshop& w = program.workshop();
  w.working().replace("a\r\n");
  w.working().rename("/home/u/" + std::string(70, 'x') + ".txt");
  w.invoke("qvl_show_Click");
  DisplayWindow& d = program.display();
  EXPECT_TRUE(d.window().visible());
  EXPECT_TRUE(d.show_ubn.visible());
  EXPECT_EQ(d.fieldText(), "a\r\n");
  EXPECT_EQ(d.window().text(), "Quorvel Anzeige " + std::string(55, 'x') + ".txt");
}

TEST_F(OpenersTest, TheMainWindowShowsItsProcessedListWithoutApply) {
  program.start();
  program.main().invoke("main_show_Click");
  EXPECT_FALSE(program.display().window().visible());
  EXPECT_EQ(program.main().zlog.text(), "08:09:10: keine daten geladen\r\n");
  program.main().fileList = "b.mp3\r\n";
  program.main().buckets.text = "b.mp3\r\n***\r\n";
  program.main().invoke("main_show_Click");
  EXPECT_TRUE(program.display().window().visible());
  EXPECT_FALSE(program.display().show_ubn.visible());
  EXPECT_EQ(program.display().fieldText(), "b.mp3\r\n***\r\n");
  EXPECT_EQ(program.display().window().text(), "Brimlet Anzeige ");
}

}  // namespace
}  // namespace brimlet
