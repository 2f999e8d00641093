// SPDX-License-Identifier: GPL-3.0-or-later
// Esc or a closed window stops a long operation at its next cancel point:
// each one, cancelled at its first, a middle and its last such point,
// leaves every list and text as it was and says "abgebrochen".
#include <functional>
#include <string>

#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

constexpr size_t kTextSize = 1 << 20;

// Lines of differing words, blanks, digits and paths, so that every
// operation finds work on every line.
std::string largeText() {
  std::string text;
  for (int i = 0; text.size() < kTextSize; ++i) {
    text += "C:\\Musik\\Lied " + std::to_string(i * 7919 % 100003) + ".mp3  <b>Ende</b>\r\n";
    if (i % 5 == 0) text += "\r\n\r\n";
  }
  return text;
}

class Cancel : public testing::ProgramTest {
 protected:
  void SetUp() override { program.start(); }

  // Runs the handler once to the end to count its cancel points, then
  // cancelled at three of them; `reset` puts the data before each run.
  // `unchanged` checks the data after a cancelled run.
  void cancelAtEachStage(WindowModel& window, const std::string& handler,
                         const std::function<void()>& reset,
                         const std::function<void(const std::string&)>& unchanged,
                         const Control& log) {
    reset();
    platform.pumps = 0;
    window.invoke(handler);
    const int64_t points = platform.pumps;
    ASSERT_GT(points, 0) << handler << " has no cancel point on a large input";
    for (const int64_t at : {int64_t{1}, (points + 1) / 2, points}) {
      const std::string where =
          handler + " at " + std::to_string(at) + "/" + std::to_string(points);
      reset();
      platform.pumps = 0;
      platform.cancelAtPump = at;
      EXPECT_TRUE(window.invoke(handler)) << where;
      platform.cancelAtPump = 0;
      unchanged(where);
      EXPECT_TRUE(log.text().starts_with("08:09:10: abgebrochen\r\n")) << where;
    }
  }
};

TEST_F(Cancel, AWorkshopOperationLeavesTextAndUndoAsTheyWere) {
  program.showTool(Tool::Workshop);
  Workshop& w = program.workshop();
  auto cancel = [&](const char* handler, const std::string& text) {
    cancelAtEachStage(
        w, handler,
        [&] {
          w.working().replace(text);
          w.working().replaceUndoCopy("undo");
        },
        [&](const std::string& where) {
          EXPECT_TRUE(w.working().text() == text) << where;
          EXPECT_TRUE(w.working().undoCopy() == "undo") << where;
          EXPECT_FALSE(w.PRBC.visible()) << where;
          EXPECT_TRUE(w.STBC.text().starts_with("Daten: " + std::to_string(text.size()) + " Bytes"))
              << where;
        },
        w.clog);
  };
  const std::string text = largeText();
  struct Case {
    const char* handler;
    const char* field = nullptr;  // set to `value` before the run
    const char* value = nullptr;
  };
  const Case cases[] = {
      // clang-format off
      {"qvl_dos_Click"}, {"qvl_mlz_Click"}, {"qvl_sdz_Click"}, {"qvl_zf_Click"},
      {"qvl_1313_Click"}, {"qvl_131313_Click"}, {"qvl_srt_Click"}, {"qvl_idx_Click"},
      {"qvl_html_etf_Click"}, {"qvl_zlta_Click"}, {"qvl_zcta_Click"}, {"qvl_zlnr_Click"},
      {"qvl_abs_Click"}, {"qvl_2zz_Click"}, {"qvl_uzl_Click"},
      {"qvl_einf_Click", "qvl_einf_e", "x"},
      {"qvl_srt_Click", "qvl_srt_x", "-4"},
  };
  // clang-format on
  for (const Case& c : cases) {
    if (c.field != nullptr) w.findControl(c.field)->setText(c.value);
    cancel(c.handler, text);
  }
  std::string songs;
  while (songs.size() < kTextSize) {
    songs += " <Song FilePath=\"C:\\m\\a.mp3\" FileSize=\"3670016\">\r\n </Song>\r\n";
  }
  cancel("qvl_vdj_Click", songs);
  // The next operation runs as usual and can be undone.
  w.working().replace(text);
  w.invoke("qvl_ucse_Click");
  w.invoke("qvl_undo_Click");
  EXPECT_TRUE(w.working().text() == text);
}

TEST_F(Cancel, AListOperationLeavesTheListsAndTitleAsTheyWere) {
  MainWindow& main = program.main();
  home.write("liste.txt", largeText());
  for (int i = 0; i < 300; ++i) home.write("ordner/f" + std::to_string(i) + ".txt", "");
  auto oldLists = [&] {
    main.takeUnsortedList("alt.mp3\r\nalt.txt\r\n");
    main.listsEnded();  // as after the handler that made them
    main.window().setText("Brimlet alt");
  };
  const std::string title = "Brimlet alt";
  auto listsUnchanged = [&](const std::string& where) {
    EXPECT_TRUE(main.fileList == "alt.mp3\r\nalt.txt\r\n") << where;
    EXPECT_EQ(main.lineCount, 2) << where;
    EXPECT_TRUE(main.processedList() == "alt.mp3\r\nalt.txt\r\n") << where;
    EXPECT_EQ(main.buckets.total, 2) << where;
    EXPECT_EQ(main.sortModeUsed, SortMode::None) << where;
    EXPECT_EQ(main.window().text(), title) << where;
    EXPECT_FALSE(main.PRBF.visible()) << where;
  };
  program.session().settings[Setting::LeerzeichenBeimEinlesenEntfernen] = 1;
  for (int sortieren : {0, 1}) {
    program.session().settings[Setting::Sortieren] = sortieren;
    cancelAtEachStage(
        main, "main_dimp_Click",
        [&] {
          oldLists();
          platform.addAnswer(cp("Ordner zum Einlesen auswählen"), home.file("ordner/"));
        },
        listsUnchanged, main.zlog);
    cancelAtEachStage(
        main, "main_pst_Click",
        [&] {
          oldLists();
          platform.clipboard = largeText() + '\0';
        },
        listsUnchanged, main.zlog);
  }

  // The clean-ups work on a sorted list, which they must leave whole.
  program.session().settings[Setting::Sortieren] = 1;
  auto paste = [&] {
    platform.clipboard = largeText() + '\0';
    main.invoke("main_pst_Click");
  };
  paste();
  const std::string processed = main.processedList();
  const std::string list = main.fileList;
  const int64_t total = main.buckets.total;
  for (const char* handler : {"main_remp_Click", "main_remx_Click", "main_lze_Click",
                              "main_zfe_Click", "main_foli_Click", "main_neue_Click"}) {
    cancelAtEachStage(
        main, handler, paste,
        [&](const std::string& where) {
          EXPECT_TRUE(main.processedList() == processed) << where;
          EXPECT_EQ(main.buckets.total, total) << where;
          EXPECT_TRUE(main.fileList == list) << where;
          EXPECT_EQ(main.sortModeUsed, SortMode::Single) << where;
        },
        main.zlog);
  }
}

TEST_F(Cancel, TheTransferLogAnalysisLeavesTheFieldAndItsUndo) {
  program.main().invoke("main_quorvel_Click");
  program.workshop().working().replace("quelle\r\n");
  program.showInDisplay({"t", "", "", true, true});
  DisplayWindow& display = program.display();
  display.invoke("frm4_KeyDown", {"84", "2"});  // shows the analysis
  std::string log;
  while (log.size() < kTextSize)
    log += "t,2,3,4,5,6,7,8,RECEIVE,10,11,12,13,14,15,16,17,18,19,20\r\n";
  display.show_find.setText("RECEIVE");
  display.invoke("show_find_Change");
  cancelAtEachStage(
      display, "show_azmt_Click",
      [&] {
        display.setFieldText("vorher");
        display.invoke("show_reset_Click");  // the undo copy becomes "vorher"
        display.setFieldText(log);
      },
      [&](const std::string& where) {
        EXPECT_TRUE(display.fieldText() == log) << where;
        display.invoke("show_undo_Click");
        EXPECT_TRUE(display.fieldText() == "vorher") << where;
      },
      program.workshop().clog);
}

}  // namespace
}  // namespace brimlet
