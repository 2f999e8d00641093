// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "core/cp1252.h"
#include "program/program_fixture.h"
#include "renamer/folder_contents.h"

namespace brimlet {
namespace {

using Names = std::vector<std::string>;

class RenamerWindowTest : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.main().invoke("main_dremmick_Click");
  }

  RenamerWindow& renamer() { return program.renamer(); }
  void run(std::string_view handler) { ASSERT_TRUE(renamer().invoke(handler)) << handler; }
  void create(std::initializer_list<const char*> names) {
    for (const char* name : names) files.write(name, name);
  }
  Names contents() const { return testing::folderContents(files); }
  // The names text in memory, renaming in `files`.
  void useNames(const std::string& names) {
    program.session().settings[Setting::DatenVerwenden] = 1;
    renamer().namesText = names;
    platform.addAnswer(cp("Ordner zum Umbenennen auswählen"), files.path());
  }
  // "new|old" per preview row, "!" before a marked row.
  Names preview() {
    Names rows;
    for (const ListRow& row : renamer().lv1.rows()) {
      rows.push_back((row.marked ? "!" : "") + row.cells[0] + "|" + row.cells[1]);
    }
    return rows;
  }
  // The log oldest line first, without the time stamps.
  Names logLines() {
    Names lines;
    const std::string& log = renamer().rlog.text();
    for (size_t start = 0; start < log.size();) {
      const size_t end = log.find("\r\n", start);
      lines.insert(lines.begin(), log.substr(start + 10, end - start - 10));
      start = end + 2;
    }
    return lines;
  }
  void pickAudio(int position) {
    renamer().findControl("drm_zaud")->setValue(position);
    run("drm_zaud_Click");
  }

  testing::TempFolder files;
};

TEST_F(RenamerWindowTest, ATypedNameListRenamesInSortedOrderAndUndoes) {
  create({"b.mp3", "a.MP3", "c.txt"});
  useNames(cp("Größe\r\nZwei\r\n"));
  pickAudio(0);
  EXPECT_EQ(preview(), (Names{cp("Größe.mp3|a.MP3"), "Zwei.mp3|b.mp3"}));
  EXPECT_TRUE(renamer().findControl("drm_anwd")->enabled());
  EXPECT_EQ(contents(), (Names{"a.MP3=a.MP3", "b.mp3=b.mp3", "c.txt=c.txt"}));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"Gr\xC3\xB6\xC3\x9F"
                               "e.mp3=a.MP3",
                               "Zwei.mp3=b.mp3", "c.txt=c.txt"}));
  EXPECT_EQ(preview(), (Names{cp("Größe.mp3|Größe.mp3"), "Zwei.mp3|Zwei.mp3"}));
  EXPECT_FALSE(renamer().findControl("drm_anwd")->enabled());
  EXPECT_TRUE(renamer().findControl("drm_rueck")->enabled());
  run("drm_rueck_Click");
  EXPECT_EQ(contents(), (Names{"a.MP3=a.MP3", "b.mp3=b.mp3", "c.txt=c.txt"}));
  EXPECT_EQ(logLines(), (Names{"2.mp3-Dateien umbenannt",
                               cp("2 Dateien in ") + files.path() + cp(" zurückbenannt")}));
  EXPECT_FALSE(renamer().findControl("drm_rueck")->enabled());
}

TEST_F(RenamerWindowTest, UndoWorksAfterARestart) {
  create({"a", "b"});
  useNames("x\r\ny\r\n");
  run("drm_mext_Click");
  run("drm_anwd_Click");
  ASSERT_EQ(contents(), (Names{"x=a", "y=b"}));
  ScriptedPlatform otherDesktop;
  Program restarted(otherDesktop, home.path());
  restarted.start();
  EXPECT_TRUE(restarted.renamer().findControl("drm_rueck")->enabled());
  restarted.renamer().invoke("drm_rueck_Click");
  EXPECT_EQ(contents(), (Names{"a=a", "b=b"}));
}

TEST_F(RenamerWindowTest, AMarkedPlanIsRefusedWhole) {
  create({"1.mp3", "2.mp3", "3.mp3", "ab.mp3"});
  useNames("a?b\r\nab\r\nneu\r\nx\r\n");
  pickAudio(0);
  const Names marked = {"!ab.mp3|1.mp3", "!ab.mp3|2.mp3", "neu.mp3|3.mp3", "x.mp3|ab.mp3"};
  EXPECT_EQ(preview(), marked);
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"1.mp3=1.mp3", "2.mp3=2.mp3", "3.mp3=3.mp3", "ab.mp3=ab.mp3"}));
  EXPECT_EQ(logLines(), (Names{"2 markierte Zeilen: neuer Name schon vorhanden oder doppelt",
                               "Dremmick: 2 markierte Zeilen, nichts umbenannt"}));
  EXPECT_TRUE(renamer().findControl("drm_anwd")->enabled());
  EXPECT_EQ(preview(), marked);
  EXPECT_FALSE(renamer().findControl("drm_rueck")->enabled());
}

// A name taken after the preview is found when applying, and marked then.
TEST_F(RenamerWindowTest, ASwapIsNoConflictButANameTakenMeanwhileIs) {
  create({"a", "b", "c"});
  useNames("b\r\na\r\nd\r\n");
  run("drm_mext_Click");
  EXPECT_EQ(preview(), (Names{"b|a", "a|b", "d|c"}));
  files.write("d", "meanwhile");
  run("drm_anwd_Click");
  EXPECT_EQ(preview(), (Names{"b|a", "a|b", "!d|c"}));
  std::filesystem::remove(files.file("d"));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"a=b", "b=a", "d=c"}));
  run("drm_rueck_Click");
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "c=c"}));
  EXPECT_EQ(logLines(),
            (Names{"Dremmick: 1 markierte Zeilen, nichts umbenannt", "3-Dateien umbenannt",
                   cp("3 Dateien in ") + files.path() + cp(" zurückbenannt")}));
}

// With one name fewer than files, the file left over is the last in name
// order, whatever order the disk lists them in.
TEST_F(RenamerWindowTest, TheMismatchQuestionDecidesAndPairingFollowsNameOrder) {
  std::vector<std::string> names;
  std::string list;
  for (int i = 0; i < 30; ++i) {
    names.push_back("t" + std::to_string(100 + i) + ".mp3");
    files.write(names.back(), names.back());
    if (i < 29) list += "n" + std::to_string(100 + i) + "\r\n";
  }
  useNames(list);
  platform.addAnswer("Dremmick", "cancel");
  pickAudio(0);
  EXPECT_TRUE(preview().empty());
  EXPECT_FALSE(renamer().invoke("drm_anwd_Click"));  // still disabled
  EXPECT_EQ(contents().size(), 30u);

  platform.addAnswer(cp("Ordner zum Umbenennen auswählen"), files.path());
  platform.addAnswer("Dremmick", "ok");
  pickAudio(0);
  ASSERT_EQ(preview().size(), 29u);
  run("drm_anwd_Click");
  EXPECT_EQ(logLines().back(), "29.mp3-Dateien umbenannt");
  const Names after = contents();
  for (int i = 0; i < 29; ++i) {
    EXPECT_EQ(after[i], "n" + std::to_string(100 + i) + ".mp3=" + names[i]);
  }
  EXPECT_EQ(after.back(), "t129.mp3=t129.mp3");
}

// A set file from a Linux program (UTF-8, LF) gives its names as the
// program's text; it is never paired with a name and is deleted after the
// run that used it.
TEST_F(RenamerWindowTest, ASetFileNamesItsFolderAndNeverRenamesItself) {
  create({"a.txt", "b.txt"});
  files.write("set.txt",
              "Gr\xC3\xB6\xC3\x9F"
              "e\nzwei\n");
  program.session().settings[Setting::SetDateiLoeschen] = 1;
  platform.addAnswer("Dremmick Ordnerwahl", files.file("set.txt"));
  renamer().findControl("drm_ztex")->setValue(0);
  run("drm_ztex_Click");
  EXPECT_EQ(preview(), (Names{cp("Größe.txt|a.txt"), "zwei.txt|b.txt"}));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"Gr\xC3\xB6\xC3\x9F"
                               "e.txt=a.txt",
                               "zwei.txt=b.txt"}));
  EXPECT_EQ(logLines(), (Names{"2.txt-Dateien umbenannt"}));
}

TEST_F(RenamerWindowTest, OnlyTheRunThatUsedASetFileDeletesIt) {
  testing::TempFolder other;
  other.write("set.txt", "eins\r\n");
  other.write("x.txt", "x");
  create({"y"});
  program.session().settings[Setting::SetDateiLoeschen] = 1;
  platform.addAnswer("Dremmick Ordnerwahl", other.file("set.txt"));
  renamer().findControl("drm_ztex")->setValue(0);
  run("drm_ztex_Click");  // prepared, never applied
  platform.addAnswer(cp("Ordner für Zufallsnummerierung auswählen"), files.path());
  run("drm_rnd_Click");
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"1 y=y"}));
  EXPECT_EQ(other.read("set.txt"), "eins\r\n");
  EXPECT_EQ(logLines(), (Names{"1 *-Dateien umbenannt"}));
}

// The journal, the settings and the group file live in the program folder;
// renaming them would lose the undo and the user's settings.
TEST_F(RenamerWindowTest, TheProgramsOwnFilesAreNeverRenamed) {
  for (const char* name : {"Brimlet_rueck.dat", "Brimlet_set.txt", "Brimlet_edgs.txt", "own.txt"}) {
    home.write(name, name);
  }
  platform.addAnswer(cp("Ordner für Zufallsnummerierung auswählen"), home.path());
  run("drm_rnd_Click");
  EXPECT_EQ(preview(), (Names{"1 own.txt|own.txt"}));
}

// "日.txt", a real "?.txt" and "Łódź.txt": the rows show the "?" forms, and
// each file is renamed once, by its own bytes.
TEST_F(RenamerWindowTest, NamesWithoutAWindowsFormAreRenamedLikeAnyOther) {
  files.write("\xE6\x97\xA5.txt", "J");
  files.write("?.txt", "Q");
  files.write("\xC5\x81\xC3\xB3\x64\xC5\xBA.txt", "L");
  useNames("eins\r\nzwei\r\ndrei\r\n");
  renamer().findControl("drm_ztex")->setValue(0);
  run("drm_ztex_Click");
  EXPECT_EQ(preview(), (Names{"eins.txt|?.txt", "zwei.txt|?.txt", cp("drei.txt|?ód?.txt")}));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"drei.txt=L", "eins.txt=Q", "zwei.txt=J"}));
}

TEST_F(RenamerWindowTest, TheWorkshopHandsNamesOverAndHelpSaysWhatHappened) {
  run("drm_help_Click");
  EXPECT_EQ(logLines().back().find("Brimlet.html im"), std::string::npos);
  run("drm_qzc_Click");
  program.workshop().working().replace("a\r\nb\r\n");
  ASSERT_TRUE(program.workshop().invoke("qvl_inzr_Click"));
  EXPECT_TRUE(program.session().renamerShown);
  EXPECT_TRUE(renamer().window().visible());
  EXPECT_EQ(renamer().namesText, "a\r\nb\r\n");
  EXPECT_EQ(logLines().back(), cp("2 Zeilen aus Quorvel übernommen"));
}

TEST_F(RenamerWindowTest, AFileDeletedAfterThePreviewIsSkippedAndReported) {
  create({"a", "b"});
  useNames("x\r\ny\r\n");
  run("drm_mext_Click");
  std::filesystem::remove(files.file("a"));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"y=b"}));
  EXPECT_EQ(preview(), (Names{"y|y"}));
  EXPECT_EQ(logLines(), (Names{"1 Dateien nicht gefunden", "1-Dateien umbenannt"}));
}

TEST_F(RenamerWindowTest, FailedPreparationsAreLogged) {
  renamer().findControl("drm_zed")->setText("");
  run("drm_zukn_Click");
  EXPECT_TRUE(logLines().empty());

  run("drm_mext_Click");  // set-file mode, dialog cancelled
  program.session().settings[Setting::DatenVerwenden] = 1;
  run("drm_mext_Click");  // no names text
  useNames(" \r\n\r\n");
  run("drm_mext_Click");
  create({"song.mp3"});
  useNames("a\r\n");
  renamer().findControl("drm_zed")->setText(".mp3");
  run("drm_zukn_Click");
  platform.addAnswer("Dremmick Ordnerwahl", files.path());
  program.session().settings[Setting::DatenVerwenden] = 0;
  run("drm_mext_Click");
  EXPECT_EQ(logLines(),
            (Names{"Abbruch bei Auswahl", "Keine Dateinamen angegeben", "Keine Dateinamen gefunden",
                   "Keine Dateien gefunden", "Fehler bei Auswahl"}));
}

// The help button used to report the page opened whatever happened.
TEST_F(RenamerWindowTest, HelpReportsWhatTheDesktopDid) {
  program.session().browserName = "Firefox";
  run("drm_help_Click");
  home.write("Brimlet.html", "<html></html>");
  run("drm_help_Click");
  platform.canOpenExternally = false;
  run("drm_help_Click");
  EXPECT_EQ(logLines(),
            (Names{"-fehler: Brimlet.html nicht gefunden", cp("Brimlet.html im Firefox geöffnet"),
                   cp("-fehler: kein Browser zum Öffnen von Brimlet.html gefunden")}));
  EXPECT_EQ(platform.opened, Names{home.file("Brimlet.html#drm")});
}

TEST_F(RenamerWindowTest, RandomNumberingPrefixesEveryEntry) {
  create({"0042 Song.mp3", "b"});
  renamer().findControl("drm_rnd_e")->setValue(1);
  platform.addAnswer(cp("Ordner für Zufallsnummerierung auswählen"), files.path());
  run("drm_rnd_Click");
  run("drm_anwd_Click");
  const Names after = contents();
  EXPECT_TRUE(after == (Names{"1 Song.mp3=0042 Song.mp3", "2 b=b"}) ||
              after == (Names{"1 b=b", "2 Song.mp3=0042 Song.mp3"}))
      << after[0];
  EXPECT_EQ(logLines(), (Names{"2 *-Dateien umbenannt"}));
}

TEST_F(RenamerWindowTest, TheNamesTextIsEditedAndSaved) {
  run("drm_ers_Click");
  EXPECT_EQ(program.display().window().text(), "Dremmick Inhalt erstellen");
  program.display().setFieldText("a\r\nb");
  program.display().invoke("show_ubn_Click");
  EXPECT_EQ(renamer().namesText, "a\r\nb\r\n");
  EXPECT_TRUE(renamer().findControl("drm_sve")->enabled());
  platform.addAnswer("Dremmick - Speichern", files.file("set.txt"));
  run("drm_sve_Click");
  EXPECT_EQ(files.read("set.txt"), "a\r\nb\r\n");

  renamer().receiveNames(cp("Größe\r\n"), {FileEncoding::Utf8, FileLineEnds::Lf});
  platform.addAnswer("Dremmick - Speichern", files.file("utf8.txt"));
  run("drm_sve_Click");
  EXPECT_EQ(files.read("utf8.txt"),
            "Gr\xC3\xB6\xC3\x9F"
            "e\n");
}

}  // namespace
}  // namespace brimlet
