// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "program/program_fixture.h"
#include "support/allocation_limit.h"

namespace brimlet {
namespace {

using testing::AllocationLimit;

constexpr size_t kTextSize = 1 << 20;
// Room for every small thing a handler makes, not for a copy of the text.
constexpr size_t kLimit = kTextSize / 4;

std::string largeText() {
  std::string text;
  while (text.size() < kTextSize) text += "C:\\Musik\\Lied 07.mp3  \r\n\r\n";
  return text;
}

class OutOfMemory : public testing::ProgramTest {
 protected:
  void SetUp() override { program.start(); }

  bool logSaysOutOfMemory(const Control& log) {
    return log.text().starts_with("08:09:10: nicht genug speicher\r\n");
  }
};

// A text too large for the memory left ended the program with all unsaved
// work; now the operation stops and text and undo copy are as they were.
TEST_F(OutOfMemory, AWorkshopOperationLeavesTextAndUndoAsTheyWere) {
  program.showTool(Tool::Workshop);
  Workshop& w = program.workshop();
  const std::string text = largeText();
  for (const char* handler :
       {"qvl_unx_Click", "qvl_dos_Click", "qvl_nlb_Click", "qvl_trz_Click", "qvl_ltr_Click",
        "qvl_trim_Click", "qvl_rtr_Click", "qvl_mlz_Click", "qvl_lcse_Click", "qvl_ucse_Click",
        "qvl_1bs_Click", "qvl_sdz_Click", "qvl_lz_Click", "qvl_zf_Click", "qvl_1313_Click",
        "qvl_131313_Click", "qvl_srt_Click", "qvl_cpy_Click", "qvl_infs_Click"}) {
    w.working().replace(text);
    w.working().replaceUndoCopy("undo");
    {
      const AllocationLimit limit(kLimit);
      EXPECT_TRUE(w.invoke(handler)) << handler;
    }
    EXPECT_TRUE(w.working().text() == text) << handler;
    EXPECT_EQ(w.working().undoCopy(), "undo") << handler;
    EXPECT_TRUE(logSaysOutOfMemory(w.clog)) << handler;
    EXPECT_FALSE(w.PRBC.visible()) << handler;
    // The next operation runs as usual.
    w.invoke("qvl_lcse_Click");
    EXPECT_TRUE(w.working().undoCopy() == text) << handler;
  }
}

TEST_F(OutOfMemory, AFileTooLargeToLoadChangesNothing) {
  program.showTool(Tool::Workshop);
  Workshop& w = program.workshop();
  home.write("big.txt", largeText());
  w.working().replace("bleibt");
  w.working().rename("alt.txt");
  w.working().replaceUndoCopy("undo");
  {
    const AllocationLimit limit(kLimit);
    w.invoke("frm8_MessageProc", {home.file("big.txt")});
  }
  EXPECT_EQ(w.working().text(), "bleibt");
  EXPECT_EQ(w.working().name(), "alt.txt");
  EXPECT_EQ(w.working().undoCopy(), "undo");
  EXPECT_TRUE(logSaysOutOfMemory(w.clog));
}

TEST_F(OutOfMemory, AListThatCannotBeSortedLeavesTheOldLists) {
  MainWindow& main = program.main();
  main.fileList = "a.mp3\r\n";
  main.lineCount = 1;
  main.invoke("main_neue_Click");
  const std::string processed = main.processedList();
  home.write("list.txt", largeText());
  for (int sortieren : {0, 1, 2}) {
    program.session().settings[Setting::Sortieren] = sortieren;
    {
      const AllocationLimit limit(kLimit);
      main.invoke("frm1_MessageProc", {home.file("list.txt")});
    }
    EXPECT_EQ(main.fileList, "a.mp3\r\n") << sortieren;
    EXPECT_EQ(main.lineCount, 1) << sortieren;
    EXPECT_EQ(main.processedList(), processed) << sortieren;
    EXPECT_TRUE(logSaysOutOfMemory(main.zlog)) << sortieren;
  }
}

TEST_F(OutOfMemory, ACleanUpLeavesTheSortedListsWhole) {
  MainWindow& main = program.main();
  program.session().settings[Setting::Sortieren] = 1;
  main.invoke("main_pst_Click");  // nothing on the clipboard
  platform.clipboard = largeText();
  main.invoke("main_pst_Click");
  const std::string processed = main.processedList();
  const int64_t total = main.buckets.total;
  for (const char* handler : {"main_remp_Click", "main_remx_Click", "main_zfe_Click"}) {
    {
      const AllocationLimit limit(kLimit);
      main.invoke(handler);
    }
    EXPECT_TRUE(main.processedList() == processed) << handler;
    EXPECT_EQ(main.buckets.total, total) << handler;
    EXPECT_TRUE(logSaysOutOfMemory(main.zlog)) << handler;
  }
}

// A list left unsorted was copied twice more, into its one bucket and its
// processed list.
TEST_F(OutOfMemory, AListLeftUnsortedIsNotCopied) {
  MainWindow& main = program.main();
  program.session().settings[Setting::Sortieren] = 2;
  main.takeUnsortedList(largeText());
  {
    const AllocationLimit limit(kLimit);
    main.invoke("main_neue_Click");
  }
  EXPECT_FALSE(logSaysOutOfMemory(main.zlog));
  EXPECT_TRUE(main.processedList() == main.fileList);
  EXPECT_EQ(main.buckets.total, main.lineCount);
}

// The display tools kept the field as their undo copy before working; one
// that ran out of memory lost the undo copy the user had.
TEST_F(OutOfMemory, ADisplayToolLeavesFieldAndUndoAsTheyWere) {
  program.main().invoke("main_quorvel_Click");
  program.workshop().working().replace("quelle\r\n");
  program.showInDisplay({"t", "", "", true, true});
  DisplayWindow& display = program.display();
  display.show_find.setText("Lied");
  display.invoke("show_find_Change");
  // Numbered, the matching lines come out longer than the text.
  display.findControl("show_az_nr")->setValue(1);
  display.invoke("show_az_nr_Click");
  const std::string text = largeText();
  display.setFieldText("erstes");
  display.invoke("show_clear_Click");
  display.setFieldText(text);
  {
    // Room for the undo copy, not for the tool's result beside it.
    const AllocationLimit limit(kTextSize + kLimit);
    EXPECT_TRUE(display.invoke("show_az_Click"));
  }
  EXPECT_TRUE(display.fieldText() == text);
  display.invoke("show_undo_Click");
  EXPECT_TRUE(display.fieldText() == "erstes");
}

// No handler of any window may end the program, whatever it was doing.
TEST_F(OutOfMemory, NoHandlerEndsTheProgram) {
  for (WindowModel* window : program.windows()) {
    for (const Handler& handler : window->handlers()) {
      program.workshop().working().replace(largeText());
      program.main().fileList = largeText();
      const AllocationLimit limit(kLimit);
      EXPECT_NO_THROW(window->invoke(handler, {"1", "1"})) << handler.name;
    }
  }
}

}  // namespace
}  // namespace brimlet
