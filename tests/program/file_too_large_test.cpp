// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <string>

#include "core/cp1252.h"
#include "core/load_limit.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

// A sparse file: its size is past what any loader takes, its blocks are not
// on the disk.
class FileTooLarge : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    huge = home.file("huge.txt");
    home.write("huge.txt", "");
    ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kLargestTextBytes) + 1), 0);
  }

  static bool logSaysTooLarge(const Control& log) {
    return log.text().starts_with(cp("08:09:10: datei zu groß\r\n"));
  }

  std::string huge;
};

TEST_F(FileTooLarge, EveryWorkshopLoaderRefusesItAndKeepsTheText) {
  program.showTool(Tool::Workshop);
  Workshop& w = program.workshop();
  const struct {
    const char* handler;
    std::vector<std::string> arguments;
  } loaders[] = {{"frm8_MessageProc", {huge}}, {"qvl_load_Click", {}}};
  for (const auto& loader : loaders) {
    w.working().replace("bleibt\r\n");
    w.working().rename("alt.txt");
    w.working().replaceUndoCopy("undo");
    if (loader.arguments.empty()) platform.addAnswer("Quorvel Dateiwahl", huge);
    EXPECT_TRUE(w.invoke(loader.handler, loader.arguments)) << loader.handler;
    EXPECT_EQ(w.working().text(), "bleibt\r\n") << loader.handler;
    EXPECT_EQ(w.working().name(), "alt.txt") << loader.handler;
    EXPECT_EQ(w.working().undoCopy(), "undo") << loader.handler;
    EXPECT_TRUE(logSaysTooLarge(w.clog)) << loader.handler << "\n" << w.clog.text();
  }
}

TEST_F(FileTooLarge, EveryListLoaderRefusesItAndKeepsTheLists) {
  MainWindow& main = program.main();
  platform.clipboard = "a.mp3\r\n";
  main.invoke("main_pst_Click");
  const std::string processed = main.processedList();
  ASSERT_FALSE(processed.empty());
  const struct {
    const char* handler;
    std::vector<std::string> arguments;
  } loaders[] = {{"frm1_MessageProc", {huge}}, {"main_fimp_Click", {}}};
  for (const auto& loader : loaders) {
    if (loader.arguments.empty()) platform.addAnswer("Brimlet Dateiwahl", huge);
    EXPECT_TRUE(main.invoke(loader.handler, loader.arguments)) << loader.handler;
    EXPECT_EQ(main.fileList, "a.mp3\r\n") << loader.handler;
    EXPECT_EQ(main.lineCount, 1) << loader.handler;
    EXPECT_EQ(main.processedList(), processed) << loader.handler;
    EXPECT_TRUE(logSaysTooLarge(main.zlog)) << loader.handler << "\n" << main.zlog.text();
  }
}

}  // namespace
}  // namespace brimlet
