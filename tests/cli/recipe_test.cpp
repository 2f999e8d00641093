// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/recipe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_harness.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

using testing::CliRun;

// A step as a line of text, to compare parsed recipes at a glance.
std::string shown(const Step& step) {
  if (step.field) return step.field->control + "=" + step.field->value;
  std::string text = step.handler;
  for (const std::string& argument : step.arguments) text += ":" + argument;
  return text;
}

TEST(Recipe, LinesBecomeStepsAsOnTheCommandLine) {
  const struct {
    std::string text;
    std::vector<std::string> steps;
  } cases[] = {
      {"", {}},
      {"qvl_trim_Click", {"qvl_trim_Click"}},
      {"# only a comment\n\n   \n\t# indented comment\n", {}},
      {"\xEF\xBB\xBFqvl_trim_Click\r\n", {"qvl_trim_Click"}},
      {"  qvl_srt_Click\r\nqvl_srt_x=2\r\n", {"qvl_srt_Click", "qvl_srt_x=2"}},
      // The rest of a line is the value: blanks at its end and "#" stay.
      {"qvl_e=a # b  \n", {"qvl_e=a # b  "}},
      {"frm8_KeyDown:84:2\nfrm1_MessageProc:/tmp/a b.txt\n",
       {"frm8_KeyDown:84:2", "frm1_MessageProc:/tmp/a b.txt"}},
      {"show_find=gr\xC3\xBC\xC3\x9F\n", {"show_find=gr\xFC\xDF"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> steps;
    for (const Step& step : parseRecipe(c.text)) steps.push_back(shown(step));
    EXPECT_EQ(steps, c.steps) << c.text;
  }
}

TEST(Recipe, RunsAfterTheCommandLinesOwnSteps) {
  testing::TempFolder files;
  files.write("upper.txt", "qvl_ucse_Click\n");
  CliRun cli({"--working", files.file("w.txt"), "--recipe", files.file("upper.txt"),
              "main_quorvel_Click", "qvl_lcse_Click"});
  files.write("w.txt", "Abc\r\n");
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.dump("working.txt"), "ABC\r\n");
}

TEST(Recipe, UnknownNamesAndUnreadableRecipesStopBeforeAnyFileIsTouched) {
  testing::TempFolder files;
  files.write("bad.txt", "qvl_trim_Click\nqvl_nosuch_Click\n");
  files.write("a.txt", "  a  \r\n");
  CliRun unknown({"--recipe", files.file("bad.txt"), "--in-place", files.file("a.txt")});
  unknown.run();
  EXPECT_EQ(unknown.exitCode, 2) << unknown.describe();
  CliRun missing({"--recipe", files.file("none.txt"), "--in-place", files.file("a.txt")});
  missing.run();
  EXPECT_EQ(missing.exitCode, 1) << missing.describe();
  EXPECT_EQ(files.read("a.txt"), "  a  \r\n");
}

// Five operations and the settings they read, over 100 files that each end
// without a line end (loading adds it, as the workshop's load does).
TEST(InPlace, AFiveOperationRecipeOverAHundredFiles) {
  testing::TempFolder files;
  files.write("tidy.txt",
              "# tidy a list\n"
              "qvl_rtr_Click\n"
              "qvl_mlz_Click\n"
              "qvl_1313_Click\n"
              "qvl_ucse_Click\n"
              "\n"
              "qvl_srt_d=1\n"
              "qvl_srt_d_Click\n"
              "qvl_srt_Click\n");
  std::vector<std::string> arguments = {"--recipe", files.file("tidy.txt"), "--in-place"};
  for (int i = 0; i < 100; ++i) {
    const std::string name = "list" + std::to_string(i) + ".txt";
    files.write(name, "zeta  " + std::to_string(i) + "  \r\n\r\nalpha\r\nmid\xE4  dle");
    arguments.push_back(files.file(name));
  }
  CliRun cli(arguments);
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  for (int i = 0; i < 100; ++i) {
    const std::string name = "list" + std::to_string(i) + ".txt";
    EXPECT_EQ(files.read(name), "ZETA " + std::to_string(i) + "\r\nMID\xC4 DLE\r\nALPHA\r\n")
        << name;
  }
  // The dump shows the last file's run, reported in the workshop's log.
  const std::string log = cli.dump("clog.txt");
  EXPECT_TRUE(log.starts_with("10:11:12: 3 Zeilen sortiert\r\n")) << log;
  EXPECT_NE(log.find("list99.txt geladen"), std::string::npos) << log;
}

TEST(InPlace, AFileThatFailsIsNamedAndLeftTheOthersGoOn) {
  testing::TempFolder files;
  files.write("a.txt", "b\r\na\r\n");
  files.write("c.txt", "d\r\nc\r\n");
  std::filesystem::create_directory(files.file("folder.txt"));
  const std::string unwritable = std::string(testing::kUnwritableFolder) + "version";
  // A step after --in-place is one more file name.
  CliRun cli({"qvl_srt_Click", "--in-place", files.file("a.txt"), files.file("missing.txt"),
              files.file("folder.txt"), unwritable, files.file("c.txt"), "qvl_lcse_Click"});
  cli.run();
  EXPECT_EQ(cli.exitCode, 1) << cli.describe();
  EXPECT_EQ(files.read("a.txt"), "a\r\nb\r\n");
  EXPECT_EQ(files.read("c.txt"), "c\r\nd\r\n");
  EXPECT_FALSE(std::filesystem::exists(files.file("missing.txt")));
  const std::string errors = cli.home.read("stderr.txt");
  for (const std::string& named : {files.file("missing.txt"), files.file("folder.txt"), unwritable,
                                   std::string("read qvl_lcse_Click")}) {
    EXPECT_NE(errors.find(named), std::string::npos) << named << " in " << errors;
  }
  EXPECT_EQ(errors.find("a.txt"), std::string::npos) << errors;
}

TEST(InPlace, NeedsAFile) {
  CliRun cli({"qvl_trim_Click", "--in-place"});
  cli.run();
  EXPECT_EQ(cli.exitCode, 2) << cli.describe();
}

}  // namespace
}  // namespace brimlet
