// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli/cli_harness.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

using testing::CliRun;

TEST(WorkshopCli, BinarySortWithKeyColumnThroughTheOptionBox) {
  testing::TempFolder inputs;
  inputs.write("in.txt", "xxb1\r\nyya2\r\nz");
  CliRun cli({"--working", inputs.file("in.txt"), "--field", "qvl_srt_x=3", "--out",
              inputs.file("out.txt"), "main_quorvel_Click", "qvl_srt_b=1", "qvl_srt_b_Click",
              "qvl_srt_Click"});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(inputs.read("out.txt"), std::string("z\r\nyya2\r\nxxb1\r\n"));
  EXPECT_EQ(cli.dump("undo.txt"), "xxb1\r\nyya2\r\nz");
  EXPECT_EQ(cli.dump("clog.txt"),
            cp("10:11:12: 3 Zeilen sortiert\r\n10:11:12: ... Zeilen aufwärts sortieren...\r\n"));
  EXPECT_NE(cli.dump("settings.txt").find(cp("sortieren binär\t\t\t = 1")), std::string::npos);
}

TEST(WorkshopCli, KeyboardShortcutFlipsKeepNulForThePaste) {
  testing::TempFolder inputs;
  inputs.write("clip.bin", std::string("a\0b\0", 4));
  CliRun cli({"--clipboard", inputs.file("clip.bin"), "main_quorvel_Click", "frm8_KeyDown:90:2",
              "frm8_KeyDown:86:2", "qvl_nlb_Click"});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("working.txt"), std::string("a\0\r\nb\0\r\n\r\n", 10));
  EXPECT_NE(cli.dump("status.txt").find(cp("frm8.title=Quorvel Eingefügt")), std::string::npos);
}

TEST(WorkshopCli, FieldsSetWithoutChangeEventsAndRightClicksReachTheTextTools) {
  testing::TempFolder inputs;
  inputs.write("in.txt", "a\r\nb\r\nc\r\nd\r\ne\r\nf");
  CliRun cli({"--working", inputs.file("in.txt"), "--field", "qvl_zlnr_e=0000",
              "main_quorvel_Click", "qvl_zlnr_Click", "qvl_2zz_MouseDown:2", "qvl_2zz_Click"});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("working.txt"), "0001 a0002 b0003 c\r\n0004 d0005 e0006 f\r\n");
  EXPECT_NE(cli.dump("clog.txt").find("2 Zeilen zusammengef"), std::string::npos);
}

}  // namespace
}  // namespace brimlet
