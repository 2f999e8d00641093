// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "app/settings_file.h"
#include "cli/cli_harness.h"
#include "cli/scripted_platform.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

using testing::CliRun;

TEST(CliRun, HandlersRunInOrderAndTheDumpShowsTheirEffect) {
  CliRun cli({"main_quorvel_Click", "qvl_memdel_Click"});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("clog.txt"), cp("10:11:12: Speicher gelöscht\r\n"));
  EXPECT_EQ(cli.dump("zlog.txt"), "");
  EXPECT_EQ(cli.dump("status.txt"),
            "STBF=Keine Daten geladen\r\nSTBC=Daten: 0 Bytes\r\nfrm1.title=Brimlet \r\n"
            "frm8.title=Quorvel \r\nfrm7.title=Dremmick\r\nfrm4.title=Anzeige \r\ntool=frm8\r\n");
}

TEST(CliRun, StateFilesAreTakenRawAndUndoSwapsThem) {
  testing::TempFolder inputs;
  inputs.write("w.txt", std::string("a\0\xFF\r\n", 5));
  inputs.write("u.txt", "undo\n");
  CliRun withFiles({"--working", inputs.file("w.txt"), "--undo", inputs.file("u.txt"),
                    "main_quorvel_Click", "qvl_undo_Click"});
  withFiles.run();
  ASSERT_EQ(withFiles.exitCode, 0) << withFiles.describe();
  EXPECT_EQ(withFiles.dump("working.txt"), "undo\n");
  EXPECT_EQ(withFiles.dump("undo.txt"), std::string("a\0\xFF\r\n", 5));
}

TEST(CliRun, UnknownNamesStopBeforeAnythingRuns) {
  CliRun cli({"main_quorvel_Click", "qvl_nosuch_Click"});
  cli.run();
  EXPECT_EQ(cli.exitCode, 2) << cli.describe();
  EXPECT_FALSE(std::filesystem::exists(cli.home.file("dump")));
  CliRun field({"nosuch=1"});
  field.run();
  EXPECT_EQ(field.exitCode, 2) << field.describe();
}

TEST(CliRun, AMissingStateFileIsExitOne) {
  CliRun cli({"--working", "/nonexistent/file.txt", "qvl_undo_Click"});
  cli.run();
  EXPECT_EQ(cli.exitCode, 1) << cli.describe();
}

TEST(CliRun, AStateFileTooLargeToHoldIsExitOneWithTheReason) {
  testing::TempFolder folder;
  folder.write("huge.txt", "");
  ASSERT_EQ(::truncate(folder.file("huge.txt").c_str(), off_t{3} << 30), 0);
  CliRun cli({"--working", folder.file("huge.txt"), "qvl_undo_Click"});
  cli.run();
  EXPECT_EQ(cli.exitCode, 1) << cli.describe();
  EXPECT_NE(cli.home.read("stderr.txt").find("too large"), std::string::npos) << cli.describe();
}

TEST(CliRun, EndButtonWritesTheSettingsFileUnchanged) {
  CliRun cli({"main_close_Click"});
  std::string settings =
      "brimlet\r\nsortieren\t\t\t = 1\r\nalphab. b einzeln\t\t = 1\r\nleerz. b einlesen entf.\t\t "
      "= "
      "1\r\neinstellung speichern\t\t = 1\r\n";
  cli.home.write("Brimlet_set.txt", settings);
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  const std::string written = cli.home.read("Brimlet_set.txt");
  EXPECT_EQ(written, cli.dump("settings.txt"));
  EXPECT_TRUE(written.starts_with("brimlet\r\nsortieren\t\t\t = 1\r\n")) << written;
  // A second run over the rewritten file changes nothing.
  CliRun again({"main_close_Click"});
  again.home.write("Brimlet_set.txt", written);
  again.run();
  EXPECT_EQ(again.home.read("Brimlet_set.txt"), written);
}

// The only trace of a failed settings write at the end was a log line in a
// window that was closing.
TEST(CliRun, ASettingsFileThatCannotBeWrittenAtTheEndIsExitOne) {
  CliRun cli({"main_close_Click"});
  Settings stored;
  stored[Setting::EinstellungSpeichern] = 1;
  const std::string settings = settingsFileText(stored);
  cli.home.write("Brimlet_set.txt", settings);
  std::filesystem::permissions(cli.home.file("Brimlet_set.txt"),
                               std::filesystem::perms::owner_read);
  cli.run();
  EXPECT_EQ(cli.exitCode, 1) << cli.describe();
  EXPECT_EQ(cli.home.read("stderr.txt"), "brimlet-cli: fehler beim speichern der einstellungen " +
                                             cli.home.file("Brimlet_set.txt") + "\n");
  EXPECT_EQ(cli.home.read("Brimlet_set.txt"), settings);
}

// The generator is seeded at its first draw; a run without a seed must
// still draw differently from the next one, and a seed still repeats.
TEST(CliRun, DrawsDifferFromRunToRunUnlessSeeded) {
  const auto draws = [](ScriptedPlatform& platform) {
    std::vector<double> values;
    for (int i = 0; i < 4; ++i) values.push_back(platform.random());
    return values;
  };
  ScriptedPlatform first;
  ScriptedPlatform second;
  EXPECT_NE(draws(first), draws(second));
  ScriptedPlatform seeded;
  ScriptedPlatform seededAgain;
  seeded.seedRandom(7);
  seededAgain.seedRandom(7);
  EXPECT_EQ(draws(seeded), draws(seededAgain));
}

}  // namespace
}  // namespace brimlet
