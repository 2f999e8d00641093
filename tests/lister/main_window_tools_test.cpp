// SPDX-License-Identifier: GPL-3.0-or-later
// Combining, the folder list and the drive-letter change as the main
// window runs them, with their dialogs answered by the script.
#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "lister/lister_test_fixture.h"

namespace brimlet {
namespace {

using ToolsTest = testing::ListerTest;

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kCtrl = 2;

TEST_F(ToolsTest, CombiningJoinsAFolderButNeverItsOwnResult) {
  files.write("a.txt", "A");
  files.write("b.txt", "B");
  for (int run = 0; run < 2; ++run) {
    platform.addAnswer(cp("Ordner zum Dateien zusammenfügen auswählen"), files.path());
    platform.addAnswer(cp("Brimlet: Dateien zusammenfügen"), "x.txt");
    this->run("main_komb_Click");
    EXPECT_EQ(files.read("x.txt"), "AB");
    EXPECT_EQ(lastLog(), "2 dateien verbunden in " + files.file("x.txt"));
  }
  EXPECT_EQ(main().lastCombineFolder, files.path());
}

// The typed name must be one file of the chosen folder; a NUL would have
// cut it to "notes" and replaced that file.
TEST_F(ToolsTest, ATypedNameThatIsNoSingleFileIsRefusedAndNamed) {
  using namespace std::string_literals;
  files.write("notes", "fremd");
  for (const std::string& name : {"notes\0x"s, "../x.txt"s}) {
    platform.addAnswer(cp("Ordner zum Dateien zusammenfügen auswählen"), files.path());
    platform.addAnswer(cp("Brimlet: Dateien zusammenfügen"), name);
    run("main_komb_Click");
    EXPECT_TRUE(lastLog().starts_with("fehler beim speichern " + files.path())) << lastLog();
  }
  EXPECT_EQ(lastLog(), "fehler beim speichern " + files.file("../x.txt"));
  EXPECT_EQ(files.read("notes"), "fremd");
  EXPECT_FALSE(std::filesystem::exists(files.file("../x.txt")));
  EXPECT_EQ(main().lastCombineFolder, "");
}

TEST_F(ToolsTest, TheQuickMenuNeedsTheOtherButtonAndAFolderCombinedBefore) {
  files.write("a.txt", "A");
  platform.addAnswer("menu", "1");
  run("main_komb_MouseDown", {std::to_string(kRight), "0"});
  EXPECT_EQ(platform.unanswered.size(), 0u);
  main().lastCombineFolder = files.path();
  run("main_komb_MouseDown", {std::to_string(kLeft), "0"});
  EXPECT_FALSE(std::filesystem::exists(files.file("0.html")));
  run("main_komb_MouseDown", {std::to_string(kRight), "0"});
  EXPECT_EQ(files.read("0.html"), "A");
  platform.addAnswer("menu", "-1");
  run("main_komb_MouseDown", {std::to_string(kRight), "0"});
  EXPECT_FALSE(std::filesystem::exists(files.file("0.txt")));
}

TEST_F(ToolsTest, CtrlTInTheLogRevealsTheQuickCombine) {
  Control& button = *main().findControl("main_comb0");
  EXPECT_FALSE(button.visible());
  run("zlog_KeyDown", {"84", "0"});
  EXPECT_FALSE(button.visible());
  run("zlog_KeyDown", {"84", std::to_string(kCtrl)});
  EXPECT_TRUE(button.visible());
}

// brimlet-cli can do no more than the window shows: the quick combine
// stays out of reach until Ctrl+T reveals it, and the group exports while
// the sort setting greys them.
TEST_F(ToolsTest, HiddenAndGreyedButtonsDoNothing) {
  files.write("a.txt", "A");
  main().lastCombineFolder = files.path();
  EXPECT_FALSE(main().invoke("main_comb0_Click"));
  program.session().settings[Setting::Sortieren] = 2;
  program.enableGroupExports(false);
  load("a.mp3\r\n");
  main().exportFolder = files.path();
  platform.addAnswer("Brimlet - Speichern", files.file("auswahl.txt"));
  for (const char* handler : {"main_fex_w_Click", "main_fex_g_Click", "main_fex_d_Click"}) {
    EXPECT_FALSE(main().invoke(handler)) << handler;
  }
  EXPECT_FALSE(std::filesystem::exists(files.file("auswahl.txt")));
  EXPECT_FALSE(std::filesystem::exists(files.file("01.txt")));
}

TEST_F(ToolsTest, AnUnreadableFolderIsNamed) {
  platform.addAnswer(cp("Ordner zum Dateien zusammenfügen auswählen"), files.file("fehlt"));
  platform.addAnswer(cp("Brimlet: Dateien zusammenfügen"), "x.txt");
  run("main_komb_Click");
  EXPECT_EQ(lastLog(), "-fehler: ordner nicht lesbar: " + files.file("fehlt/"));
}

TEST_F(ToolsTest, TheFolderListCountsFolderLines) {
  run("main_foli_Click");
  EXPECT_EQ(lastLog(), "keine daten geladen");
  load("C:\\a\\1.mp3\r\nC:\\a\\2.mp3\r\nC:\\b\\3.mp3\r\nC:\\a\\4.mp3\r\nlose.txt\r\n");
  run("main_foli_Click");
  EXPECT_EQ(lastLog(), "3 ordner in ordnerliste erstellt");
  EXPECT_EQ(main().processedList(), "C:\\a\\\r\nC:\\b\\\r\nC:\\a\\\r\n***\r\nlose.txt\r\n***\r\n");
  EXPECT_EQ(main().STBF.text(), "Geladen: 58 Bytes ~~~ Bearbeitet: 41 Bytes ~~~ Zeilen: 4");
}

class DriveLetterTest : public testing::ListerTest {
 protected:
  DriveLetterDialog& dialog() { return main().driveLetters; }
  void openWith(const std::string& list) {
    load(list);
    run("main_lwb_Click");
    ASSERT_TRUE(dialog().window().visible());
    EXPECT_FALSE(main().window().enabled());
  }
  void expectClosed() {
    EXPECT_FALSE(dialog().window().visible());
    EXPECT_TRUE(main().window().enabled());
  }
};

TEST_F(DriveLetterTest, NeedsAListWithADrivePart) {
  run("main_lwb_Click");
  EXPECT_EQ(lastLog(), "keine daten geladen");
  load("Musik\\a.mp3\r\n");
  run("main_lwb_Click");
  EXPECT_EQ(lastLog(), "keine laufwerksbuchstaben");
  EXPECT_FALSE(dialog().window().visible());
}

TEST_F(DriveLetterTest, TheTypedPrefixReplacesTheDrivePart) {
  openWith("E:\\Musik\\a.mp3\r\nMusik\\b.mp3\r\n");
  dialog().findControl("lwb_ed")->setText("F:");
  run(dialog(), "lwb_user_Click");
  expectClosed();
  EXPECT_EQ(main().processedList(), "F:\\Musik\\a.mp3\r\nMusik\\b.mp3\r\n***\r\n");
  EXPECT_EQ(lastLog(), "1 laufwerksbuchstaben ersetzt");
}

TEST_F(DriveLetterTest, AnEmptyPrefixOnlyCloses) {
  openWith("E:\\a.mp3\r\n");
  const std::string before = main().processedList();
  run(dialog(), "lwb_user_Click");
  expectClosed();
  EXPECT_EQ(main().processedList(), before);
}

TEST_F(DriveLetterTest, BackupsOfTodayAndYesterday) {
  openWith("E:\\a.mp3\r\n");
  EXPECT_TRUE(dialog().findControl("lwb_ytd")->enabled());
  run(dialog(), "lwb_ytd_Click");
  expectClosed();
  EXPECT_EQ(main().processedList(), "backup2026-12-05\\a.mp3\r\n***\r\n");
  main().fileList = "E:\\a.mp3\r\n";
  run("main_neue_Click");
  run("main_lwb_Click");
  run(dialog(), "lwb_df_Click");
  EXPECT_EQ(main().processedList(), "backup2026-12-06\\a.mp3\r\n***\r\n");
}

TEST_F(DriveLetterTest, OnTheFirstOfAMonthThereIsNoYesterday) {
  platform.setClock({2026, 3, 1, 0, 0, 1});
  openWith("E:\\a.mp3\r\n");
  EXPECT_FALSE(dialog().findControl("lwb_ytd")->enabled());
  EXPECT_FALSE(dialog().invoke("lwb_ytd_Click"));
  EXPECT_TRUE(dialog().window().visible());
  EXPECT_EQ(main().processedList(), "E:\\a.mp3\r\n***\r\n");
  run(dialog(), "lwb_cc_Click");
  expectClosed();
}

TEST_F(DriveLetterTest, TheTemplateIsOfferedOnlyWhenSet) {
  openWith("E:\\a.mp3\r\n");
  EXPECT_FALSE(dialog().findControl("lwb_def")->enabled());
  run(dialog(), "frm6_Close");
  expectClosed();

  program.session().settings.remembered.defaultDatabaseFile = "D:\\B&K\\?i?";
  run("main_lwb_Click");
  Control& button = *dialog().findControl("lwb_def");
  EXPECT_TRUE(button.enabled());
  EXPECT_EQ(button.text(), "D:\\B&&K\\?i?");
  run(dialog(), "lwb_def_Click");
  expectClosed();
  EXPECT_EQ(main().processedList(), "D:\\B&K\\2026-12-06\\a.mp3\r\n***\r\n");
}

}  // namespace
}  // namespace brimlet
