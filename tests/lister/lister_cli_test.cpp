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
              "main_dimp_Click", "main_remx_Click", "main_zfe_Click", "main_remp_Click",
              "main_cpy_Click"});
  cli.home.write("Brimlet_edgs.txt", "Audio=.mp3+#\r\n");
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("filelist.txt"), folder + "/Lied 01.MP3\r\n");
  EXPECT_EQ(cli.dump("processed.txt"), "Lied \r\n***\r\n");
  EXPECT_EQ(cli.dump("clipboard.txt"), std::string("Lied \r\n***\r\n\0", 13));
  EXPECT_EQ(cli.dump("zlog.txt"),
            "10:11:12: daten ins clipboard kopiert\r\n"
            "10:11:12: 1 pfade entfernt\r\n"
            "10:11:12: ...pfade entfernen...\r\n"
            "10:11:12: 2 zahlen entfernt\r\n"
            "10:11:12: ...zahlen am zeilenende entfernen...\r\n"
            "10:11:12: 1 dateiendungen entfernt\r\n"
            "10:11:12: ...dateiendungen entfernen...\r\n"
            "10:11:12: verzeichnis " + folder + " ausgelesenen + in Gruppen sortiert\r\n"
            "10:11:12: ...gruppen sortieren...\r\n"
            "10:11:12: Ordner: " + folder + "\r\n"
            "10:11:12: ...lese verzeichnis " + folder + "...\r\n");
  EXPECT_NE(cli.dump("status.txt").find("STBF=Geladen: " + std::to_string(folder.size() + 14) +
                                        " Bytes ~~~ Bearbeitet: 12 Bytes ~~~ Zeilen: 1\r\n"),
            std::string::npos);
}

TEST(ListerCli, DroppedFileIsImportedByItsPath) {
  testing::TempFolder inputs;
  inputs.write("liste.txt", "b.txt\r\na.txt\r\n");
  CliRun cli({"frm1_MessageProc:" + inputs.file("liste.txt")});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("processed.txt"), "b.txt\r\na.txt\r\n***\r\n");
}

}  // namespace
}  // namespace brimlet
