// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WorkshopFrame : public testing::ProgramTest {
 protected:
  void SetUp() override {
    platform.browserName = "Firefox";
    program.start();
    program.showTool(Tool::Workshop);
  }
  Workshop& w = program.workshop();
  testing::TempFolder files;
};

TEST_F(WorkshopFrame, DropLoadsTheFileWithItsFinalLineEnd) {
  files.write("a.txt", "eins\r\nzwei");
  EXPECT_TRUE(w.acceptsDrops());
  w.invoke("frm8_MessageProc", {files.file("a.txt")});
  EXPECT_EQ(w.working().text(), "eins\r\nzwei\r\n");
  EXPECT_EQ(w.working().undoCopy(), "eins\r\nzwei");
  EXPECT_EQ(w.clog.text(), "08:09:10: " + files.file("a.txt") + " geladen\r\n");
  const std::string name = files.file("a.txt");
  EXPECT_EQ(w.window().text(), "Quorvel " + name.substr(name.size() > 59 ? name.size() - 59 : 0));
}

TEST_F(WorkshopFrame, ADroppedFolderOrMissingFileChangesNothing) {
  w.working().replace("bleibt");
  w.working().rename("vorher.txt");
  w.invoke("frm8_MessageProc", {files.path()});
  w.invoke("frm8_MessageProc", {files.file("fehlt.txt")});
  EXPECT_EQ(w.working().text(), "bleibt");
  EXPECT_EQ(w.working().name(), "vorher.txt");
  EXPECT_EQ(w.clog.text(),
            cp("08:09:10: datei existiert nicht\r\n08:09:10: keine gültige datei\r\n"));
}

TEST_F(WorkshopFrame, LoadButtonUsesTheSharedFileChoice) {
  files.write("b.txt", "x\r\n");
  platform.addAnswer("Quorvel Dateiwahl", files.file("b.txt"));
  w.invoke("qvl_load_Click");
  EXPECT_EQ(w.working().text(), "x\r\n");
  EXPECT_EQ(w.working().name(), files.file("b.txt"));
}

TEST_F(WorkshopFrame, SaveWritesTheBytesAndRemembersTheFolder) {
  w.working().replace("a\0\xFF"s);
  platform.addAnswer("Quorvel - Speichern", files.file("out.txt"));
  w.invoke("qvl_save_Click");
  EXPECT_EQ(files.read("out.txt"), "a\0\xFF"s);
  EXPECT_EQ(w.working().name(), files.file("out.txt"));
  EXPECT_EQ(program.session().saveDialogFolder, files.path());
  EXPECT_EQ(w.clog.text(), "08:09:10: " + files.file("out.txt") + " gespeichert\r\n");
}

TEST_F(WorkshopFrame, AFailedSaveSaysSoAndKeepsNameAndOldFile) {
  w.working().replace("neu");
  w.working().rename("vorher.txt");
  const std::string target = std::string(testing::kUnwritableFolder) + "brimlet.txt";
  platform.addAnswer("Quorvel - Speichern", target);
  w.invoke("qvl_save_Click");
  EXPECT_EQ(w.clog.text(), "08:09:10: fehler beim speichern\r\n");
  EXPECT_EQ(w.working().name(), "vorher.txt");
  EXPECT_FALSE(std::filesystem::exists(target));

  // An existing file in such a folder keeps its bytes.
  const std::string existing = std::string(testing::kUnwritableFolder) + "version";
  const std::string before = readFile(existing);
  platform.addAnswer("Quorvel - Speichern", existing);
  w.invoke("qvl_save_Click");
  EXPECT_EQ(readFile(existing), before);
  EXPECT_EQ(w.working().name(), "vorher.txt");
}

TEST_F(WorkshopFrame, ASaveAnswerNamingAFolderIsNoValidFile) {
  w.working().replace("neu");
  platform.addAnswer("Quorvel - Speichern", files.path());
  w.invoke("qvl_save_Click");
  EXPECT_EQ(w.clog.text(), cp("08:09:10: keine gültige datei\r\n"));
}

TEST_F(WorkshopFrame, AFifoOrAnOverlongPathIsRefusedAtOnceAndSaysWhy) {
  ASSERT_EQ(::mkfifo(files.file("fifo").c_str(), 0600), 0);
  w.working().replace("bleibt");
  w.invoke("frm8_MessageProc", {files.file("fifo")});
  w.invoke("frm8_MessageProc", {files.file(std::string(5000, 'x'))});
  EXPECT_EQ(w.working().text(), "bleibt");
  EXPECT_EQ(w.clog.text(), cp("08:09:10: pfad zu lang\r\n08:09:10: keine gültige datei\r\n"));
}

TEST_F(WorkshopFrame, PasteCutsAtNulUntilCtrlZ) {
  platform.clipboard = "ab\0cd\0"s;
  w.working().replaceUndoCopy("undo");
  w.invoke("qvl_pst_Click");
  EXPECT_EQ(w.working().text(), "ab\r\n");
  EXPECT_EQ(w.working().name(), cp("Eingefügt"));
  EXPECT_EQ(w.working().undoCopy(), "undo");
  EXPECT_EQ(w.window().text(), cp("Quorvel Eingefügt"));
  EXPECT_EQ(w.STBC.text(), "Daten: 4 Bytes ~~~ Windows-1252, CR LF");

  w.invoke("frm8_KeyDown", {"90", "2"});
  w.invoke("clog_KeyDown", {"86", "2"});  // Ctrl+V
  EXPECT_EQ(w.working().text(), "ab\0cd\0\r\n"s);
}

TEST_F(WorkshopFrame, CopyOfAnEmptyTextStillReports) {
  w.invoke("qvl_cpy_Click");
  EXPECT_EQ(platform.clipboard, std::string(1, '\0'));
  EXPECT_EQ(w.clog.text(), "08:09:10: daten ins clipboard kopiert\r\n");
}

TEST_F(WorkshopFrame, CtrlTRevealsPageSplittingOnlyWithCtrl) {
  Control& button = *w.findControl("qvl_abf");
  EXPECT_FALSE(button.visible());
  w.invoke("frm8_KeyDown", {"84", "1"});
  EXPECT_FALSE(button.visible());
  w.invoke("frm8_KeyDown", {"84", "2"});
  EXPECT_TRUE(button.visible());
}

TEST_F(WorkshopFrame, ContextMenuSetsTheStartToolAndUndoes) {
  platform.addAnswer("menu", "8");
  w.invoke("frm8_MouseDown", {"2"});
  EXPECT_EQ(program.session().settings[Setting::StarteProgrammMit], 2);

  w.working().replace("neu");
  w.working().replaceUndoCopy("alt");
  platform.addAnswer("menu", "2");
  w.invoke("frm8_MouseDown", {"1"});  // the left button opens nothing
  EXPECT_EQ(w.working().text(), "neu");
  w.invoke("frm8_MouseDown", {"2"});
  EXPECT_EQ(w.working().text(), "alt");
}

TEST_F(WorkshopFrame, HelpOpensTheWorkshopAnchor) {
  home.write("Brimlet.html", "<html></html>");
  w.invoke("qvl_help_Click");
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0], home.path() + "Brimlet.html#qvl");
  EXPECT_EQ(w.clog.text(), cp("08:09:10: Brimlet.html im Firefox geöffnet\r\n"));
}

// The help button and the settings-file menu entry used to report success
// whether or not anything was opened.
TEST_F(WorkshopFrame, AHelpPageOrEditorThatCannotBeOpenedIsReportedAsSuch) {
  w.invoke("qvl_help_Click");
  EXPECT_EQ(w.clog.text(), "08:09:10: -fehler: Brimlet.html nicht gefunden\r\n");
  home.write("Brimlet.html", "<html></html>");
  platform.canOpenExternally = false;
  w.invoke("qvl_logdel_Click");
  w.invoke("qvl_help_Click");
  EXPECT_EQ(w.clog.text(),
            cp("08:09:10: -fehler: kein Browser zum Öffnen von Brimlet.html gefunden\r\n"));
  w.invoke("qvl_logdel_Click");
  platform.addAnswer("menu", "10");
  w.invoke("frm8_MouseDown", {"2"});
  EXPECT_EQ(w.clog.text(), "08:09:10: Notepad nicht gefunden\r\n");
  EXPECT_TRUE(platform.opened.empty());
}

TEST_F(WorkshopFrame, AListHandedOverFromTheMainWindowShowsItsSize) {
  program.main().fileList = "a.mp3\r\nb.mp3\r\n";
  program.main().invoke("main_inqvl_Click");
  EXPECT_EQ(w.STBC.text(), "Daten: 14 Bytes ~~~ Windows-1252, CR LF");
}

TEST_F(WorkshopFrame, HandOversNeedData) {
  w.invoke("qvl_inzr_Click");
  EXPECT_EQ(w.clog.text(), "08:09:10: keine daten geladen\r\n");
  w.working().replace("name1\r\n");
  w.invoke("qvl_inzr_Click");
  EXPECT_EQ(program.renamer().namesText, "name1\r\n");
  EXPECT_TRUE(program.session().renamerShown);
  program.renamer().invoke("drm_qzc_Click");
  w.invoke("qvl_infs_Click");
  EXPECT_EQ(program.main().fileList, "name1\r\n");
}

// The whole road through the window: drop, a button, undo, save.
TEST_F(WorkshopFrame, DropOperateUndoAndSave) {
  files.write("in.txt", "b\r\na\r\n");
  w.invoke("frm8_MessageProc", {files.file("in.txt")});
  w.invoke("qvl_srt_Click");
  EXPECT_EQ(w.working().text(), "a\r\nb\r\n");
  w.invoke("qvl_undo_Click");
  platform.addAnswer("Quorvel - Speichern", files.file("in.txt"));
  w.invoke("qvl_save_Click");
  EXPECT_EQ(files.read("in.txt"), "b\r\na\r\n");
}

class WorkshopOptions : public testing::ProgramTest {};

TEST_F(WorkshopOptions, CheckBoxesStartFromTheSettings) {
  home.write("Brimlet_set.txt",
             "brimlet\r\nx = 0\r\n\r\nquorvel\r\n"
             "a = 0\r\nb = 0\r\nc = 0\r\nd = 0\r\ne = 0\r\nf = 0\r\ng = 0\r\nh = 0\r\n"
             "i = 1\r\nj = 1\r\n\r\ndremmick\r\n");
  program.start();
  EXPECT_EQ(program.session().settings[Setting::SortierenDown], 1);
  EXPECT_EQ(program.workshop().findControl("qvl_srt_d")->value(), 1);
  EXPECT_EQ(program.workshop().findControl("qvl_srt_b")->value(), 1);
}

}  // namespace
}  // namespace brimlet
