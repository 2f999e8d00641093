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
}

}  // namespace
}  // namespace brimlet
