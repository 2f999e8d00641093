// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <string_view>

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

// What every window holds that a failed handler must leave as it was.
struct Data {
  std::string working;
  std::string undo;
  std::string workingName;
  std::string fileList;
  std::string processedList;
  int64_t lines = 0;
  std::string names;
  std::string field;
  bool operator==(const Data&) const = default;
};

Data dataOf(Program& program) {
  const WorkingText& working = program.workshop().working();
  const MainWindow& main = program.main();
  return {working.text(),
          working.undoCopy(),
          working.name(),
          main.fileList,
          std::string(main.processedList()),
          main.buckets.total,
          program.renamer().namesText,
          program.display().fieldText()};
}

// Passes each handler's end on to the program and keeps what stopped it.
class FailureRecorder : public HandlerBoundary {
 public:
  explicit FailureRecorder(Program& program) : program_(program) {}
  void handlerEnded() override { program_.handlerEnded(); }
  void handlerFailed(const WindowModel& window, std::string_view message) override {
    failure = message;
    program_.handlerFailed(window, message);
  }
  std::optional<std::string> failure;

 private:
  Program& program_;
};

// The window whose handlers run, the tool shown meanwhile and the log the
// failure belongs in.
struct Subject {
  WindowModel* window;
  Tool shown;
  const Control* log;
};

// Every handler of every window, run on large texts with too little memory
// for a copy of them, either runs to its end or stops with "nicht genug
// speicher" in its window's log and every text as it was; the next handler
// is not turned away as if one were still running.
TEST_F(OutOfMemory, EveryHandlerThatRunsOutLeavesTheDataAndSaysSo) {
  FailureRecorder recorder(program);
  MainWindow& main = program.main();
  Workshop& workshop = program.workshop();
  DisplayWindow& display = program.display();
  // Another tool is shown than the one whose handler runs, except for the
  // display window, which logs into the tool it was opened over.
  const Subject subjects[] = {{&main, Tool::Workshop, &main.zlog},
                              {&workshop, Tool::Main, &workshop.clog},
                              {&program.renamer(), Tool::Main, &program.renamer().rlog},
                              {&display, Tool::Workshop, &workshop.clog}};
  int failures = 0;
  for (const auto& [window, shown, log] : subjects) {
    window->setBoundary(&recorder);
    for (const Handler& handler : window->handlers()) {
      program.showTool(shown);
      if (window == &display) program.showInDisplay({"t", "", largeText(), true, true});
      workshop.working().replace(largeText());
      main.fileList = largeText();
      program.renamer().namesText = largeText();
      const Data before = dataOf(program);
      recorder.failure.reset();
      {
        const AllocationLimit limit(kLimit);
        window->invoke(handler, {"1", "1"});
      }
      EXPECT_FALSE(program.session().busy.busy()) << handler.name;
      if (!recorder.failure) continue;
      ++failures;
      EXPECT_EQ(recorder.failure, "nicht genug speicher") << handler.name;
      EXPECT_TRUE(dataOf(program) == before) << handler.name;
      EXPECT_TRUE(logSaysOutOfMemory(*log)) << handler.name;
    }
    window->setBoundary(&program);
  }
  // The texts are large enough that many handlers need more than is left.
  EXPECT_GT(failures, 20);
}

}  // namespace
}  // namespace brimlet
