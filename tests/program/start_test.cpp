// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_file.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

using StartTest = testing::ProgramTest;

TEST_F(StartTest, AFreshStartShowsTheMainWindowWithDefaults) {
  program.start();
  EXPECT_TRUE(program.main().window().visible());
  EXPECT_FALSE(program.workshop().window().visible());
  EXPECT_FALSE(program.main().PRBF.visible());
  EXPECT_EQ(program.main().STBF.text(), "Keine Daten geladen");
  EXPECT_EQ(program.workshop().STBC.text(), "Daten: 0 Bytes");
  EXPECT_EQ(program.main().window().text(), "Brimlet ");
  EXPECT_EQ(program.workshop().window().text(), "Quorvel ");
  const Settings& s = program.session().settings;
  for (int i = 0; i < kSettingCount; ++i) {
    const auto setting = static_cast<Setting>(i);
    const bool on = setting == Setting::AlphabEinzeln ||
                    setting == Setting::LeerzeichenBeimEinlesenEntfernen ||
                    setting == Setting::IndexSortiert || setting == Setting::IndexMitAnzahl ||
                    setting == Setting::CaseSensitive;
    EXPECT_EQ(s.at(i), on ? 1 : 0) << i;
  }
  EXPECT_TRUE(program.main().acceptsDrops());
}

TEST_F(StartTest, StartToolWorkshopKeepsTheMainWindowHidden) {
  home.write("Brimlet_set.txt", "brimlet\r\na=0\r\nb=1\r\nc=1\r\nd=0\r\ne=0\r\nf=2\r\n");
  program.start();
  EXPECT_FALSE(program.main().window().visible());
  EXPECT_TRUE(program.workshop().window().visible());
  EXPECT_TRUE(program.session().workshopShown);
}

TEST_F(StartTest, StartToolRenamerOpensTheRenamer) {
  home.write("Brimlet_set.txt", "brimlet\r\na=0\r\nb=1\r\nc=1\r\nd=0\r\ne=0\r\nf=1\r\n");
  program.start();
  EXPECT_TRUE(program.renamer().window().visible());
  EXPECT_TRUE(program.session().renamerShown);
  EXPECT_FALSE(program.main().window().visible());
}

TEST_F(StartTest, TheGroupFileFillsGroupsAndTable) {
  home.write("Brimlet_edgs.txt", "Audio=.mp3+#\r\n");
  program.start();
  EXPECT_EQ(program.session().groups.groups[0].name, "Audio");
  EXPECT_EQ(program.session().groups.table.largestEntryIndex, 0);
}

TEST_F(StartTest, AGroupFilePastItsBoundIsReadUpToItWithOneLogLine) {
  home.write("Brimlet_edgs.txt",
             "Viele=" + std::string(10 * kMaxGroupEntries, '+') + "#\r\nB=.b+#\r\n");
  program.start();
  EXPECT_EQ(program.session().groups.table.largestEntryIndex,
            static_cast<int>(kMaxGroupEntries) - 1);
  EXPECT_EQ(program.session().groups.groups[1].editedList, ".b+");
  EXPECT_EQ(program.main().zlog.text(),
            cp("08:09:10: gruppendatei zu groß, der rest wird ignoriert\r\n"));
}

TEST_F(StartTest, ASettingsFilePastItsBoundIsReadUpToItWithOneLogLine) {
  std::string file = "brimlet\r\na=2\r\nb=0\r\n";
  file.append(kMaxSettingsFileBytes, 'x');
  file += "\r\nc=1\r\n";
  home.write("Brimlet_set.txt", file);
  program.start();
  EXPECT_EQ(program.session().settings[Setting::Sortieren], 2);
  EXPECT_EQ(program.main().zlog.text(),
            cp("08:09:10: einstellungsdatei zu groß, der rest wird ignoriert\r\n"));
}

TEST_F(StartTest, EndButtonRewritesTheSettingsFileByteForByte) {
  Settings stored;
  stored[Setting::EinstellungSpeichern] = 1;
  stored[Setting::Sortieren] = 2;
  stored.remembered.defaultDatabaseFile = "/x/y.txt";
  const std::string file = settingsFileText(stored);
  home.write("Brimlet_set.txt", file);
  program.start();
  program.main().invoke("main_close_Click");
  EXPECT_TRUE(program.ended());
  EXPECT_TRUE(program.session().shuttingDown);
  EXPECT_EQ(home.read("Brimlet_set.txt"), file);
}

TEST_F(StartTest, ClosingWithoutTheSaveSettingWritesNothing) {
  program.start();
  program.main().invoke("main_close_Click");
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(fileStatus(home.file("Brimlet_set.txt")), ReadStatus::Missing);
}

TEST(StartFailure, AnUnwritableSettingsFileIsLoggedNotFatal) {
  ScriptedPlatform platform;
  platform.setClock({2026, 1, 1, 0, 0, 0});
  Program program(platform, testing::kUnwritableFolder);
  program.start();
  program.session().settings[Setting::EinstellungSpeichern] = 1;
  program.main().invoke("main_close_Click");
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(program.main().zlog.text(), "00:00:00: fehler beim speichern der einstellungen\r\n");
  EXPECT_EQ(platform.warnings,
            std::vector<std::string>{"fehler beim speichern der einstellungen|" +
                                     std::string(testing::kUnwritableFolder) + "Brimlet_set.txt"});
}

}  // namespace
}  // namespace brimlet
