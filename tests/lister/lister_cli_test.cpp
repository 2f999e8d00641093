// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli/cli_harness.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

using testing::CliRun;

TEST(ListerCli, ReadCleanAndCopyAFolder) {
  testing::TempFolder tree;
  tree.write("Musik/Lied 01.MP3", "");
  const std::string folder = tree.path() + "Musik";
  CliRun cli({"--answer", "Ordner zum Einlesen auswählen=" + tree.path() + "Musik/",
              "main_dimp_Click", "main_remp_Click", "main_cpy_Click"});
  cli.home.write("Brimlet_edgs.txt", "Audio=.mp3+#\r\n");
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("filelist.txt"), folder + "/Lied 01.MP3\r\n");
  EXPECT_EQ(cli.dump("processed.txt"), "Lied 01.MP3\r\n***\r\n");
  EXPECT_EQ(cli.dump("clipboard.txt"), std::string("Lied 01.MP3\r\n***\r\n\0", 19));
  // clang-format off
  EXPECT_EQ(cli.dump("zlog.txt"),
            "10:11:12: daten ins clipboard kopiert\r\n"
            "10:11:12: 1 pfade entfernt\r\n"
            "10:11:12: ...pfade entfernen...\r\n"
            "10:11:12: verzeichnis " + folder + " ausgelesenen + in Gruppen sortiert\r\n"
            "10:11:12: ...gruppen sortieren...\r\n"
            "10:11:12: Ordner: " + folder + "\r\n"
            "10:11:12: ...lese verzeichnis " + folder + "...\r\n");
  EXPECT_NE(cli.dump("status.txt").find("STBF=Geladen: " + std::to_string(folder.size() + 14) +
                                        " Bytes ~~~ Bearbeitet: 18 Bytes ~~~ Zeilen: 1\r\n"),
            std::string::npos);
  // clang-format on
}

// A list set with --filelist used to count as no lines, so "Zeilen:" said 0
// and the path operations found nothing to work on.
TEST(ListerCli, AListGivenOnTheCommandLineIsCountedAsItIs) {
  testing::TempFolder files;
  files.write("liste.txt", "/a/x.mp3\r\n/b/y.jpg\r\n/c/z.mp3\r\n");
  CliRun cli({"--filelist", files.file("liste.txt"), "main_remp_Click"});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("processed.txt"), "x.mp3\r\ny.jpg\r\nz.mp3\r\n***\r\n");
  EXPECT_NE(cli.dump("status.txt").find("Zeilen: 3\r\n"), std::string::npos)
      << cli.dump("status.txt");
}

// The result of a main-window handler belongs in the main log, not in the
// log of the workshop that happens to be shown.
TEST(ListerCli, AResultGoesToTheLogOfTheWindowThatMadeIt) {
  testing::TempFolder files;
  files.write("liste.txt", "/a/x.mp3\r\n/b/y.jpg\r\n");
  CliRun cli({"--filelist", files.file("liste.txt"), "main_quorvel_Click", "main_remp_Click"});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("zlog.txt"),
            "10:11:12: 2 pfade entfernt\r\n10:11:12: ...pfade entfernen...\r\n");
  EXPECT_EQ(cli.dump("clog.txt"), "");
}

TEST(ListerCli, PathsOnTheCommandLineAreTheSystemsUtf8Names) {
  testing::TempFolder files;
  // clang-format off
  files.write("Gr\xC3\xB6\xC3\x9F" "e.txt", "/a/x.mp3\r\n");
  CliRun cli({"--filelist", files.file("Gr\xC3\xB6\xC3\x9F" "e.txt"), "--out",
              files.file("\xC3\x9C" "bersicht.txt")});
  // clang-format on
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(files.read("\xC3\x9C"
                       "bersicht.txt"),
            "/a/x.mp3\r\n");
}

}  // namespace
}  // namespace brimlet
