// SPDX-License-Identifier: GPL-3.0-or-later
// The extension-edit dialog, the settings dialog, the about box and the
// help page, driven through their handlers.
#include <gtest/gtest.h>

#include "app/help_page.h"
#include "core/cp1252.h"
#include "lister/lister_test_fixture.h"

namespace brimlet {
namespace {

class ExtensionEditTest : public testing::ListerTest {
 protected:
  void SetUp() override {
    ListerTest::SetUp();
    run("main_end_Click");
  }
  ExtensionEditDialog& dialog() { return main().extensionEdit; }
  Control& control(const std::string& name) { return *dialog().findControl(name); }
  void type(const std::string& field, int index, const std::string& text) {
    control(field + "(" + std::to_string(index) + ")").setText(text);
    run(dialog(), field + "_Change", {std::to_string(index)});
  }
  ExtensionGroup& group(size_t i) { return program.session().groups.groups[i]; }
  [[nodiscard]] bool dirty() { return control("end_ok").enabled(); }
};

TEST_F(ExtensionEditTest, OpensCleanWithTheGroupsAndDisablesTheMainWindow) {
  EXPECT_TRUE(dialog().window().visible());
  EXPECT_FALSE(main().window().enabled());
  EXPECT_EQ(control("ed_t(0)").text(), "Audio");
  EXPECT_EQ(control("ed_e(1)").text(), ".jpg+");
  EXPECT_FALSE(dirty());
  EXPECT_FALSE(control("end_sv").enabled());
  EXPECT_EQ(control("end_cc").text(), "&Verlassen");

  run(dialog(), "end_cc_Click");
  EXPECT_FALSE(dialog().window().visible());
  EXPECT_TRUE(main().window().enabled());
  EXPECT_EQ(group(0).editedList, ".mp3+.flac+");
}

TEST_F(ExtensionEditTest, CancelTakesBackTheListsButNotTheNames) {
  type("ed_e", 0, ".wav+");
  type("ed_t", 0, "Klang");
  EXPECT_TRUE(dirty());
  EXPECT_TRUE(control("end_sv").enabled());
  EXPECT_EQ(control("end_cc").text(), "&Abbrechen");
  run(dialog(), "end_cc_Click");
  EXPECT_EQ(group(0).editedList, ".mp3+.flac+");
  EXPECT_EQ(group(0).name, "Klang");
}

TEST_F(ExtensionEditTest, ApplyPutsTheListsInForceForTheNextSort) {
  type("ed_e", 2, ".txt+");
  run(dialog(), "end_ok_Click");
  EXPECT_FALSE(dialog().window().visible());
  EXPECT_EQ(group(2).committedList, ".txt+");
  load("a.txt\r\n");
  EXPECT_EQ(main().buckets.bucket(2), "a.txt\r\n");
}

TEST_F(ExtensionEditTest, ApplyAndSaveDoNothingWhileClean) {
  EXPECT_FALSE(dialog().invoke("end_sv_Click"));
  EXPECT_FALSE(dialog().invoke("end_ok_Click"));
  EXPECT_TRUE(dialog().window().visible());
  EXPECT_EQ(home.read("Brimlet_edgs.txt"), "Audio=.mp3+.flac+#\r\nBilder=.jpg+#\r\n");
}

TEST_F(ExtensionEditTest, SelectionBoxesActAtOnceWithoutMakingTheDialogDirty) {
  control("ed_c(16)").setValue(1);
  run(dialog(), "ed_c_Click", {"16"});
  EXPECT_TRUE(program.session().groups.selected[16]);
  EXPECT_FALSE(dirty());
}

TEST_F(ExtensionEditTest, SaveWritesOneLinePerGroup) {
  type("ed_t", 0, "Audio");
  type("ed_e", 0, "mp3+flac");
  run(dialog(), "end_sv_Click");
  std::string expected = "Audio=mp3+flac#\r\nBilder=.jpg+#\r\n";
  for (int i = 2; i < kGroupCount; ++i) expected += "=#\r\n";
  EXPECT_EQ(home.read("Brimlet_edgs.txt"), expected);
}

TEST_F(ExtensionEditTest, SaveAfterLoadingWritesTheLoadedFile) {
  files.write("andere.txt", "Texte=.txt+#\r\n");
  platform.addAnswer("Dateiendungen laden", files.file("andere.txt"));
  run(dialog(), "end_ld_Click");
  EXPECT_EQ(control("ed_t(0)").text(), "Texte");
  EXPECT_EQ(group(0).committedList, ".txt+");
  run(dialog(), "end_sv_Click");
  EXPECT_EQ(files.read("andere.txt").substr(0, 17), "Texte=.txt+#\r\n=#\r");
  EXPECT_EQ(home.read("Brimlet_edgs.txt"), "Audio=.mp3+.flac+#\r\nBilder=.jpg+#\r\n");
}

TEST_F(ExtensionEditTest, SaveAsKeepsTheGroupFile) {
  platform.addAnswer("Dateiendungen speichern", files.file("kopie.txt"));
  run(dialog(), "end_su_Click");
  EXPECT_EQ(files.read("kopie.txt").substr(0, 33), "Audio=.mp3+.flac+#\r\nBilder=.jpg+#");
  EXPECT_EQ(program.session().groupFile, home.file("Brimlet_edgs.txt"));
}

// The group file ends a name at its first "=": "a=b" would come back as
// the group "a" with the list "b=.mp3+" after the next start.
TEST_F(ExtensionEditTest, AGroupNameWithAnEqualsSignIsRefused) {
  type("ed_t", 0, "Musik=alt");
  EXPECT_EQ(group(0).name, "Audio");
  EXPECT_EQ(control("ed_t(0)").text(), "Audio");
  EXPECT_FALSE(dirty());
  EXPECT_EQ(lastLog(), cp("-fehler: \"=\" ist im gruppennamen nicht möglich"));
}

// After the dialog closed, its buttons are gone for a user, and so for
// brimlet-cli: a late "Eingabe verwenden" used to change the list anyway.
TEST_F(ExtensionEditTest, AClosedDialogIgnoresItsControls) {
  run(dialog(), "end_cc_Click");
  control("ed_t(0)").setText("Klang");
  EXPECT_FALSE(dialog().invoke("ed_t_Change", {"0"}));
  EXPECT_EQ(group(0).name, "Audio");
  main().driveLetters.findControl("lwb_ed")->setText("F:");
  load("E:\\a.mp3\r\n");
  EXPECT_FALSE(main().driveLetters.invoke("lwb_user_Click"));
  EXPECT_EQ(main().processedList(), "E:\\a.mp3\r\n***\r\n");
  // Closing it once more must not unlock the main window under another dialog.
  run("main_set_Click");
  EXPECT_FALSE(dialog().invoke("frm2_Close"));
  EXPECT_FALSE(main().window().enabled());
}

class SettingsDialogTest : public testing::ListerTest {
 protected:
  SettingsDialog& dialog() { return main().settingsDialog; }
  Control& control(const std::string& name) { return *dialog().findControl(name); }
};

TEST_F(SettingsDialogTest, ShowsTheSettingsAndSortChoiceSwitchesTheGroupExports) {
  program.session().settings[Setting::Sortieren] = 2;
  program.session().settings[Setting::StarteProgrammMit] = 1;
  run("main_set_Click");
  EXPECT_FALSE(main().window().enabled());
  EXPECT_EQ(control("set_o(2)").value(), 1);
  EXPECT_EQ(control("set_o(0)").value(), 0);
  EXPECT_EQ(control("set_alph").value(), 1);
  EXPECT_EQ(control("set_svset").value(), 0);
  EXPECT_EQ(control("set_start").value(), 1);
  EXPECT_EQ(control("set_datab").text(), "");
  EXPECT_TRUE(main().findControl("main_fex_g")->enabled());

  control("set_o(1)").setValue(1);
  run(dialog(), "set_o_Click", {"1"});
  EXPECT_EQ(control("set_o(2)").value(), 0);
  for (const char* name : {"main_fex_w", "main_fex_g", "main_fex_d"}) {
    EXPECT_FALSE(main().findControl(name)->enabled()) << name;
  }
  run(dialog(), "set_o_Click", {"0"});
  EXPECT_TRUE(main().findControl("main_fex_d")->enabled());
  EXPECT_EQ(program.session().settings[Setting::Sortieren], 0);

  run(dialog(), "set_ok_Click");
  EXPECT_FALSE(dialog().window().visible());
  EXPECT_TRUE(main().window().enabled());
}

TEST_F(SettingsDialogTest, TheGroupExportsFollowTheSavedSortModeFromTheStart) {
  home.write("Brimlet_set.txt", "brimlet\r\nsortieren = 1\r\n");
  Program restarted(platform, home.path());
  restarted.start();
  EXPECT_FALSE(restarted.main().findControl("main_fex_w")->enabled());
  EXPECT_TRUE(restarted.main().findControl("main_fex_a")->enabled());
}

TEST_F(SettingsDialogTest, SaveWritesWhatTheDialogShows) {
  program.session().settings.remembered.defaultDatabaseFile = "X:";
  run("main_set_Click");
  EXPECT_EQ(control("set_datdef").text(), "X:");
  control("set_svset").setValue(1);
  run(dialog(), "set_svset_Click");
  control("set_start").setValue(2);
  run(dialog(), "set_start_Click");
  run(dialog(), "set_save_Click");
  const std::string file = home.read("Brimlet_set.txt");
  EXPECT_NE(file.find("einstellung speichern\t\t = 1\r\n"), std::string::npos);
  EXPECT_NE(file.find("starte programm mit\t\t = 2\r\n"), std::string::npos);
  EXPECT_NE(file.find(cp("§§§X:§§§\r\n")), std::string::npos);
  EXPECT_FALSE(dialog().window().visible());
}

TEST_F(SettingsDialogTest, TheAboutBoxGivesTheFocusBackToTheVisibleTool) {
  run("main_about_Click");
  EXPECT_TRUE(main().aboutBox.window().visible());
  EXPECT_FALSE(main().window().enabled());
  program.workshop().window().setEnabled(false);
  program.showTool(Tool::Workshop);
  run(main().aboutBox, "about_ok_Click");
  EXPECT_TRUE(program.workshop().window().enabled());
  EXPECT_FALSE(main().aboutBox.window().visible());
}

TEST_F(SettingsDialogTest, HelpOpensThePageAtTheMainWindowsAnchor) {
  platform.browserName = "Firefox";
  program.session().browserName = "Firefox";
  run("main_help_Click");
  EXPECT_EQ(lastLog(), "-fehler: Brimlet.html nicht gefunden");
  EXPECT_TRUE(platform.opened.empty());
  home.write("Brimlet.html", "<html></html>");
  run("main_help_Click");
  EXPECT_EQ(platform.opened, std::vector<std::string>{home.file("Brimlet.html#brl")});
  EXPECT_EQ(lastLog(), cp("Brimlet.html im Firefox geöffnet"));
  run("main_about_Click");
  run(main().aboutBox, "about_href_Click");
  EXPECT_EQ(platform.opened.back(), home.file("Brimlet.html#"));
}

// The about box's link used to fail without a word once the desktop's
// opener had started, whether or not it found a browser.
TEST_F(SettingsDialogTest, AHelpPageNoBrowserTakesIsReportedFromTheAboutBoxToo) {
  home.write("Brimlet.html", "<html></html>");
  platform.canOpenExternally = false;
  run("main_about_Click");
  run(main().aboutBox, "about_href_Click");
  EXPECT_EQ(lastLog(), cp("-fehler: kein Browser zum Öffnen von Brimlet.html gefunden"));
}

TEST(HelpPage, ProgramFolderFirstThenBesideTheExecutableThenShare) {
  testing::TempFolder root;
  root.write("prefix/share/brimlet/Brimlet.html", "share");
  root.write("prefix/bin/brimlet", "");
  const std::string bin = root.file("prefix/bin/");
  const std::string home = root.file("home/");
  EXPECT_EQ(findHelpPage(home, bin), root.file("prefix/bin/../share/brimlet/Brimlet.html"));
  root.write("prefix/bin/Brimlet.html", "bin");
  EXPECT_EQ(findHelpPage(home, bin), bin + "Brimlet.html");
  root.write("home/Brimlet.html", "home");
  EXPECT_EQ(findHelpPage(home, bin), home + "Brimlet.html");
  EXPECT_EQ(findHelpPage(root.file("leer/"), ""), std::nullopt);
}

}  // namespace
}  // namespace brimlet
