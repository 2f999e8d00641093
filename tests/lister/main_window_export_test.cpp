// SPDX-License-Identifier: GPL-3.0-or-later
// The export buttons on real files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/cp1252.h"
#include "lister/lister_test_fixture.h"

namespace brimlet {
namespace {

using ExportTest = testing::ListerTest;
using namespace std::string_literals;

constexpr const char* kSaveTitle = "Brimlet - Speichern";
constexpr const char* kCsvTitle = "Brimlet - Csv Speichern";

TEST_F(ExportTest, EveryExportFirstNeedsAList) {
  for (const char* handler :
       {"main_fex_a_Click", "main_fex_e_Click", "main_fex_ck_Click", "main_fex_cs_Click",
        "main_fex_w_Click", "main_fex_g_Click", "main_fex_d_Click"}) {
    main().zlog.setText("");
    run(handler);
    EXPECT_EQ(lastLog(), "keine daten geladen") << handler;
  }
  EXPECT_TRUE(platform.unanswered.empty());
}

TEST_F(ExportTest, SaveAllWritesTheSortedListAndRemembersTheFolder) {
  load("b.jpg\r\na.mp3\r\nc.txt\r\n");
  platform.addAnswer(kSaveTitle, files.file("alles.txt"));
  run("main_fex_a_Click");
  EXPECT_EQ(files.read("alles.txt"), "a.mp3\r\n***\r\nb.jpg\r\n***\r\nc.txt\r\n***\r\n");
  EXPECT_EQ(lastLog(), "alles in datei gespeichert");
  EXPECT_EQ(program.session().saveDialogFolder, files.path());

  platform.addAnswer(kSaveTitle, "");
  run("main_fex_a_Click");
  EXPECT_EQ(lastLog(), cp("abbruch gewählt"));
}

TEST_F(ExportTest, AFailedSaveSaysSoInsteadOfItsSuccess) {
  load("a.mp3\r\n");
  const std::string unwritable = std::string(testing::kUnwritableFolder) + "x.txt";
  platform.addAnswer(kSaveTitle, unwritable);
  run("main_fex_a_Click");
  EXPECT_EQ(lastLog(), "fehler beim speichern " + unwritable);
  // A folder chosen as the file is no file to replace.
  platform.addAnswer(kCsvTitle, files.path() + ".");
  run("main_fex_cs_Click");
  EXPECT_EQ(lastLog(), "fehler beim speichern " + files.path() + ".");
  EXPECT_EQ(program.session().saveDialogFolder, program.session().programFolder);
}

TEST_F(ExportTest, TheSelectionTakesTheMarkedGroupsAndLeavesTheListWhole) {
  load("a.mp3\r\nb.jpg\r\nc.txt\r\n");
  const std::string whole = main().processedList();
  platform.addAnswer(kSaveTitle, files.file("nichts.txt"));
  run("main_fex_w_Click");
  EXPECT_EQ(files.read("nichts.txt"), "");
  EXPECT_EQ(lastLog(), "auswahl in datei gespeichert");

  program.session().groups.selected[1] = true;
  program.session().groups.selected[16] = true;
  platform.addAnswer(kSaveTitle, files.file("auswahl.txt"));
  run("main_fex_w_Click");
  EXPECT_EQ(files.read("auswahl.txt"), "b.jpg\r\n***\r\nc.txt\r\n***\r\n");
  EXPECT_EQ(main().processedList(), whole);
}

TEST_F(ExportTest, GroupExportsDoNothingAfterAnotherSort) {
  program.session().settings[Setting::Sortieren] = 1;
  load("a.mp3\r\n");
  main().exportFolder = files.path();
  program.session().settings.remembered.textDatabaseFolder = files.path();
  const std::string log = main().zlog.text();
  for (const char* handler : {"main_fex_w_Click", "main_fex_g_Click", "main_fex_d_Click"}) {
    run(handler);
  }
  EXPECT_EQ(main().zlog.text(), log);
  EXPECT_TRUE(platform.unanswered.empty());
}

TEST_F(ExportTest, SeventeenNumberedFilesAlsoWhenEmpty) {
  load("a.mp3\r\nb.flac\r\n");
  run("main_fex_g_Click");
  EXPECT_EQ(lastLog(), cp("kein ordner gewählt"));
  main().exportFolder = files.path();
  run("main_fex_g_Click");
  EXPECT_EQ(lastLog(), "17 dateien gespeichert");
  EXPECT_EQ(files.read("01.txt"), "a.mp3\r\nb.flac\r\n");
  for (const char* empty : {"02.txt", "09.txt", "10.txt", "16.txt", "17.txt"}) {
    EXPECT_TRUE(std::filesystem::exists(files.file(empty))) << empty;
    EXPECT_EQ(files.read(empty), "") << empty;
  }
  EXPECT_FALSE(std::filesystem::exists(files.file("18.txt")));
}

TEST_F(ExportTest, TheDatabaseGrowsByOneBlockPerSelectedGroupAndExport) {
  load("a.mp3\r\nb.jpg\r\nc.txt\r\n");
  run("main_fex_d_Click");
  EXPECT_EQ(lastLog(), cp("kein ordner gewählt"));
  program.session().settings.remembered.textDatabaseFolder = files.path();
  for (const size_t group : {0, 1, 2, 16}) program.session().groups.selected[group] = true;
  run("main_fex_d_Click");
  run("main_fex_d_Click");
  EXPECT_EQ(lastLog(), "2 dateien gespeichert");
  EXPECT_EQ(files.read("Audio.txt"), "a.mp3\r\n***\r\na.mp3\r\n***\r\n");
  EXPECT_EQ(files.read("Bilder.txt"), "b.jpg\r\n***\r\nb.jpg\r\n***\r\n");
  // The empty third group and the rest are never written.
  EXPECT_FALSE(std::filesystem::exists(files.file(".txt")));
}

TEST_F(ExportTest, ADatabaseGroupNamingAnotherFolderIsRefused) {
  load("a.mp3\r\n");
  program.session().groups.groups[0].name = "../Audio";
  program.session().groups.selected[0] = true;
  program.session().settings.remembered.textDatabaseFolder = files.file("db/");
  std::filesystem::create_directories(files.file("db"));
  run("main_fex_d_Click");
  EXPECT_EQ(lastLog(), "fehler beim speichern " + files.file("db/../Audio.txt"));
  EXPECT_FALSE(std::filesystem::exists(files.file("Audio.txt")));
}

// The text database's folder may hold anything; a FIFO named like a group
// used to hold the export for ever, a NUL in a group name to write "notes".
TEST_F(ExportTest, TheDatabaseWritesOnlyRegularFilesNamedAsTheGroupsSay) {
  load("a.mp3\r\nb.jpg\r\n");
  program.session().groups.groups[1].name = std::string("notes\0x", 7);
  program.session().groups.selected[0] = true;
  program.session().groups.selected[1] = true;
  program.session().settings.remembered.textDatabaseFolder = files.path();
  files.write("notes", "fremd");
  ASSERT_EQ(::mkfifo(files.file("Audio.txt").c_str(), 0600), 0);
  run("main_fex_d_Click");
  EXPECT_EQ(lastLog(), "fehler beim speichern " + files.file("notes\\0x.txt"));
  EXPECT_NE(main().zlog.text().find("fehler beim speichern " + files.file("Audio.txt")),
            std::string::npos);
  program.session().groups.groups[1].name = "";
  run("main_fex_d_Click");
  EXPECT_EQ(lastLog(), "fehler beim speichern " + files.file(".txt"));
  EXPECT_EQ(files.read("notes"), "fremd");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.path()), {}), 2);
}

TEST_F(ExportTest, AnExtensionWithANulRefusesItsFileAlone) {
  files.write("notes", "fremd");
  load("a.notes\0zz\r\nb.notes\0yy\r\nc.mp3\r\n"s);
  main().exportFolder = files.path();
  run("main_fex_e_Click");
  const std::string& log = main().zlog.text();
  for (const char* name : {"notes\\0zz.txt", "notes\\0yy.txt"}) {
    EXPECT_NE(log.find("fehler beim speichern " + files.file(name)), std::string::npos) << name;
  }
  EXPECT_EQ(files.read("notes"), "fremd");
  EXPECT_EQ(files.read("mp3.txt"), "c.mp3\r\n");
  EXPECT_EQ(files.read("unknown.txt"), "");
}

TEST_F(ExportTest, OneFilePerExtensionAndUnknown) {
  load("a.MP3\r\nb.mp3\r\nc\r\nd.jpg\r\n");
  main().exportFolder = files.path();
  run("main_fex_e_Click");
  EXPECT_EQ(lastLog(), "3 dateien gespeichert");
  EXPECT_EQ(files.read("mp3.txt"), "a.MP3\r\nb.mp3\r\n");
  EXPECT_EQ(files.read("jpg.txt"), "d.jpg\r\n");
  EXPECT_EQ(files.read("unknown.txt"), "c\r\n");
}

TEST_F(ExportTest, CsvFollowsTheSwitchAndNamesItsSeparator) {
  load("C:\\a\\b.mp3\r\nC:\\x\\y\\z.mp3\r\n");
  platform.addAnswer(kCsvTitle, files.file("t.csv"));
  run("main_fex_cs_Click");
  EXPECT_EQ(files.read("t.csv"), "C:;a;b.mp3;\r\nC:;x;y;z.mp3\r\n;;;\r\n");
  EXPECT_EQ(lastLog(), "csv (;) in datei gespeichert");

  main().findControl("main_fex_cdls")->setValue(1);
  run("main_fex_cdls_Click");
  platform.addAnswer(kCsvTitle, files.file("k.csv"));
  run("main_fex_ck_Click");
  EXPECT_EQ(files.read("k.csv"), "C:,a,,b.mp3\r\nC:,x,y,z.mp3\r\n,,,\r\n");
  EXPECT_EQ(lastLog(), "csv (,) in datei gespeichert");
}

}  // namespace
}  // namespace brimlet
