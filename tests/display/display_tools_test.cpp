// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "core/cp1252.h"
#include "core/lines.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

class DisplayToolsTest : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.main().invoke("main_quorvel_Click");
    program.workshop().working().replace("quelle\r\n");
    program.showInDisplay({"t", "", "", true, true});
  }
  DisplayWindow& display() { return program.display(); }
  Control& control(const char* name) { return *display().findControl(name); }
  void run(const std::string& handler, const std::vector<std::string>& args = {}) {
    ASSERT_TRUE(display().invoke(handler, args)) << handler;
  }
  void tick(const char* box, bool on) {
    control(box).setValue(on ? 1 : 0);
    run(std::string(box) + "_Click");
  }
  void search(const std::string& text) {
    display().show_find.setText(text);
    run("show_find_Change");
  }
};

TEST_F(DisplayToolsTest, MatchingLinesCanBeUndone) {
  display().setFieldText("SEND 1\r\nRECEIVE\r\nSEND 2\r\nSEND 3");
  search("SEND");
  tick("show_az_nr", true);
  run("show_az_Click");
  EXPECT_EQ(display().fieldText(), "1\tSEND 1\r\n3\tSEND 2\r\n\r\n\r\n2\r\n");
  run("show_undo_Click");
  EXPECT_EQ(display().fieldText(), "SEND 1\r\nRECEIVE\r\nSEND 2\r\nSEND 3");
}

TEST_F(DisplayToolsTest, TheExclusionModeKeepsLinesWithAButNotB) {
  display().setFieldText("ss\r\nass\r\nmiss\r\n");
  tick("show_snan", true);
  search("ss\r\nass");
  run("show_az_Click");
  EXPECT_EQ(display().fieldText(), "ss\r\nmiss\r\n\r\n\r\n2\r\n");
  search("ss\r\nss");  // B equal to A: nothing happens
  run("show_az_Click");
  EXPECT_EQ(display().fieldText(), "ss\r\nmiss\r\n\r\n\r\n2\r\n");
}

TEST_F(DisplayToolsTest, TheAddressToolsWaitForTheHiddenKeys) {
  const std::string log = "t,2,3,4,5,6,7,8,RECEIVE,10,11,12,13,14,15,16,17,18,19,20";
  display().setFieldText(log);
  search("RECEIVE");
  EXPECT_FALSE(display().invoke("show_azmt_Click"));
  EXPECT_EQ(display().fieldText(), log);
  run("frm4_KeyDown", {"84", "2"});
  run("show_azmt_Click");
  EXPECT_EQ(display().fieldText(), "\r\n\r\n1\r\nSend: 0\r\nReceive: 1\r\nDeliver: 0\r\n");
  EXPECT_EQ(program.workshop().STBC.text(), "Daten: 8 Bytes ~~~ Windows-1252, CR LF");
  run("show_undo_Click");  // the analysis read the text with a final line end
  EXPECT_EQ(display().fieldText(), log + "\r\n");

  display().setFieldText("an: x@y.de; cc: @ ");
  run("frm4_KeyDown", {"90", "4"});
  EXPECT_FALSE(display().invoke("show_email_Click"));
  EXPECT_EQ(display().fieldText(), "an: x@y.de; cc: @ ");
  run("frm4_KeyDown", {"68", "2"});
  run("show_email_Click");
  EXPECT_EQ(display().fieldText(), "x@y.de\r\n");
}

TEST_F(DisplayToolsTest, TheNumberToolReadsTheSourceWithAutoUndo) {
  program.workshop().working().replace("abc");
  display().setFieldText("zz");
  EXPECT_EQ(control("show_649_cb").value(), 6);  // "6/49 alle"
  run("show_649_cb_Click");
  EXPECT_EQ(display().fieldText(), "49\r\n15\r\n6\r\n6\r\n0\r\n0\r\n");
  run("show_undo_Click");
  tick("qvl_pwd_autoundo", false);
  EXPECT_TRUE(control("show_undo2").enabled());
  control("show_649_cb").setValue(2);  // "bs mod" of the field: 26 + 26
  run("show_649_cb_Click");
  EXPECT_EQ(display().fieldText(), "3\r\n");
}

TEST_F(DisplayToolsTest, SixRandomNumbersAreDifferent) {
  control("show_649_cb").setValue(8);
  for (int second = 0; second < 60; ++second) {
    platform.setClock({2026, 12, 6, 8, 9, second});
    run("show_649_cb_Click");
    std::set<std::string> numbers;
    LineWalker lines(display().fieldText());
    while (const auto line = lines.next()) {
      const int value = std::stoi(std::string(*line));
      EXPECT_TRUE(value >= 1 && value <= 49) << value;
      numbers.insert(std::string(*line));
    }
    EXPECT_EQ(numbers.size(), 6u) << display().fieldText();
  }
}

TEST_F(DisplayToolsTest, AnagramsPickOneAndBringTheListBack) {
  display().setFieldText("abc");
  run("qvl_angr_Click");
  const std::string list = "abc\r\nacb\r\nbac\r\nbca\r\ncab\r\ncba\r\n\r\n6\r\n";
  EXPECT_EQ(display().fieldText(), list);
  EXPECT_TRUE(control("qvl_angr_zf").enabled());
  run("qvl_angr_zf_Click");
  EXPECT_EQ(display().fieldText().size(), 3u);
  EXPECT_NE(list.find(display().fieldText() + "\r\n"), std::string::npos);
  EXPECT_FALSE(control("qvl_angr_sv").enabled());
  run("qvl_angr_zf_Click");
  EXPECT_EQ(display().fieldText(), list);
  EXPECT_FALSE(display().invoke("qvl_angr_sv_Click"));  // greyed since the pick
  EXPECT_TRUE(platform.unanswered.empty());
}

TEST_F(DisplayToolsTest, AnagramsGoToAFile) {
  display().setFieldText("abc");
  run("qvl_angr_Click");
  platform.addAnswer("Quorvel - Anagramm Speichern", home.file("liste.txt"));
  run("qvl_angr_sv_Click");
  EXPECT_EQ(home.read("liste.txt"), display().fieldText());

  display().setFieldText("xyz");
  tick("qvl_angr_ds", true);
  platform.addAnswer("Quorvel - Anagramm Speichern", home.file("direkt.txt"));
  run("qvl_angr_Click");
  EXPECT_EQ(home.read("direkt.txt"), "xyz\r\nxzy\r\nyxz\r\nyzx\r\nzxy\r\nzyx\r\n\r\n6\r\n");
  EXPECT_EQ(display().fieldText(), "");
  EXPECT_EQ(program.session().saveDialogFolder, home.path());
}

TEST_F(DisplayToolsTest, AcronymAndPasswordsGoToTheClipboard) {
  display().setFieldText("rat des ortes");
  run("qvl_acr_Click");
  EXPECT_EQ(display().fieldText(), "DO");
  run("qvl_acr_cp_Click");
  EXPECT_EQ(platform.clipboard, std::string("DO\0", 3));

  display().setFieldText("x");
  control("qvl_pwd_x").setText("3");  // below the least length
  run("qvl_pwd_x_Change");
  control("qvl_pwd_anz").setText("1");
  run("qvl_pwd_anz_Change");
  run("qvl_pwd_Click");
  EXPECT_EQ(display().fieldText().size(), 7u);
  run("qvl_pwd_cp_Click");
  EXPECT_EQ(platform.clipboard->size(), 8u);
  control("qvl_pwd_anz").setText("3");
  run("qvl_pwd_anz_Change");
  run("qvl_pwd_Click");
  run("qvl_pwd_cp_Click");
  EXPECT_EQ(platform.clipboard->size(), (7u + 2) * 3 + 1);
}

TEST_F(DisplayToolsTest, ATemplateOfBlanksEndsInTheStopMessage) {
  tick("qvl_pwd_autoundo", false);
  tick("qvl_pwd_aT", true);
  display().setFieldText("      \r\n  \r\n");
  run("qvl_pwd_Click");
  ASSERT_EQ(platform.stops.size(), 1u);
  EXPECT_EQ(platform.stops[0],
            cp("Brimlet/Quorvel: Passwort-Generator|Kein Passwort zu erstellen|Bitte "
               "Zeichenvorlage überprüfen|Aktion wird abgebrochen."));
  EXPECT_EQ(display().fieldText(), "      \r\n  \r\n");
  EXPECT_FALSE(control("qvl_pwd_cp").enabled());
}

// Each tool greys the other tool's copy button; a greyed one used to copy
// the stale result all the same.
TEST_F(DisplayToolsTest, CopyButtonsGreyedByAnotherToolCopyNothing) {
  display().setFieldText("rat des ortes");
  run("qvl_acr_Click");
  run("qvl_pwd_Click");
  platform.clipboard = std::string("vorher");
  EXPECT_FALSE(display().invoke("qvl_acr_cp_Click"));
  run("qvl_acr_Click");
  EXPECT_FALSE(display().invoke("qvl_pwd_cp_Click"));
  EXPECT_EQ(platform.clipboard, std::string("vorher"));
}

TEST_F(DisplayToolsTest, RtfSourceBecomesItsText) {
  display().setFieldText("{\\rtf1 Gr\\'fc\\'dfe\\par}");
  run("show_rtftxt_Click");
  EXPECT_EQ(display().fieldText(),
            "Gr\xFC\xDF"
            "e\r\n");
  run("show_undo_Click");
  EXPECT_EQ(display().fieldText(), "{\\rtf1 Gr\\'fc\\'dfe\\par}");
  display().setFieldText("kein rtf");
  run("show_rtftxt_Click");
  EXPECT_EQ(display().fieldText(), "kein rtf");
}

}  // namespace
}  // namespace brimlet

namespace brimlet {
namespace {

using DisplayToolFramesTest = testing::ProgramTest;

TEST_F(DisplayToolFramesTest, ToolsHiddenForTheRenamerComeBackForTheWorkshop) {
  program.start();
  DisplayWindow& display = program.display();
  program.showInDisplay({"Dremmick Inhalt erstellen", "", "", true, false});
  EXPECT_FALSE(display.findControl("qvl_pwd")->visible());
  EXPECT_FALSE(display.findControl("show_azmt")->visible());
  program.showInDisplay({"Quorvel Anzeige ", "", "", true, true});
  EXPECT_TRUE(display.findControl("qvl_pwd")->visible());
  EXPECT_TRUE(display.findControl("show_azmt")->visible());
}

}  // namespace
}  // namespace brimlet
