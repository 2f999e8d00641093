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
  EXPECT_TRUE(preview().empty());
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

TEST_F(RenamerWindowTest, TakenAndDoubledNamesAreMarkedAndStopTheRun) {
  create({"1.mp3", "2.mp3", "3.mp3", "ab.mp3"});
  useNames("a?b\r\nab\r\nneu\r\nx\r\n");
  pickAudio(0);
  EXPECT_EQ(preview(), (Names{"!ab.mp3|1.mp3", "!ab.mp3|2.mp3", "neu.mp3|3.mp3", "x.mp3|ab.mp3"}));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"1.mp3=1.mp3", "2.mp3=2.mp3", "3.mp3=3.mp3", "ab.mp3=ab.mp3"}));
  EXPECT_EQ(logLines(), (Names{"2 markierte Zeilen: neuer Name schon vorhanden oder doppelt",
                               "Dremmick: Fehler bei umbenennen"}));
  EXPECT_TRUE(renamer().findControl("drm_anwd")->enabled());
  EXPECT_EQ(preview().size(), 4u);
}

TEST_F(RenamerWindowTest, TheMismatchQuestionDecides) {
  create({"1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3"});
  useNames("a\r\nb\r\nc\r\n");
  platform.addAnswer("Dremmick", "cancel");
  pickAudio(0);
  EXPECT_TRUE(preview().empty());
  EXPECT_FALSE(renamer().invoke("drm_anwd_Click"));  // still disabled
  EXPECT_EQ(contents().size(), 5u);

  platform.addAnswer(cp("Ordner zum Umbenennen auswählen"), files.path());
  platform.addAnswer("Dremmick", "ok");
  pickAudio(0);
  ASSERT_EQ(preview().size(), 3u);
  run("drm_anwd_Click");
  EXPECT_EQ(logLines().back(), "3.mp3-Dateien umbenannt");
  size_t renamed = 0;
  for (const std::string& entry : contents()) renamed += std::isalpha(entry[0]) ? 1 : 0;
  EXPECT_EQ(renamed, 3u);
}

TEST_F(RenamerWindowTest, ASetFileNamesItsFolderAndNeverRenamesItself) {
  create({"a.txt", "b.txt"});
  files.write("set.txt", "eins\r\nzwei\r\n");
  program.session().settings[Setting::SetDateiLoeschen] = 1;
  platform.addAnswer("Dremmick Ordnerwahl", files.file("set.txt"));
  platform.addAnswer("Dremmick", "ok");  // asked only when the set file stopped the listing
  renamer().findControl("drm_ztex")->setValue(0);
  run("drm_ztex_Click");
  EXPECT_EQ(preview(), (Names{"eins.txt|a.txt", "zwei.txt|b.txt"}));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"eins.txt=a.txt", "zwei.txt=b.txt"}));
  EXPECT_EQ(logLines(), (Names{"2.txt-Dateien umbenannt"}));
}

TEST_F(RenamerWindowTest, AFileDeletedAfterThePreviewIsSkippedAndReported) {
  create({"a", "b"});
  useNames("x\r\ny\r\n");
  run("drm_mext_Click");
  std::filesystem::remove(files.file("a"));
  run("drm_anwd_Click");
  EXPECT_EQ(contents(), (Names{"y=b"}));
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
}

}  // namespace
}  // namespace brimlet
