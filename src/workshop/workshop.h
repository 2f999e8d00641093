// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "app/desk.h"
#include "app/option_window.h"
#include "app/session.h"
#include "core/bar_progress.h"
#include "core/window_model.h"
#include "workshop/character_classes.h"
#include "workshop/inserting.h"
#include "workshop/text_edit.h"
#include "workshop/working_text.h"

namespace brimlet {

// The frame that holds the replace fields, the chain removal and the presets.
inline constexpr std::string_view kChainsFrame = "Ketten";

// How an operation talks to the log: plain lines only, or an announcement
// that shows the progress bar and a result that hides it again.
enum class LogForm { Plain, Progress };

// The texts of one operation: announced as "..." + what + "..." (nothing
// when empty), reported as a count with noun and suffix.
struct OperationTexts {
  std::string_view what;
  std::string_view noun;
  std::string_view suffix;
  LogForm form = LogForm::Progress;
};

// The text workshop `frm8`: one working text, its name and a one-level undo
// copy, transformed by the operations of its buttons.
class Workshop : public OptionWindow, public Reporter {
 public:
  Workshop(Session& session, Desk& desk);

  // The workshop log: a line on top of `clog`; ShowProgress shows the
  // progress bar at 0 of 100. Then the status bar shows the size of the
  // working text.
  void log(std::string_view message, LogMode mode) override;
  void mainLog(std::string_view message) override { desk_.mainLog(message); }
  // Empties `clog` and refreshes the status bar.
  void clearLog();
  // "keine daten geladen" and true when the working text is empty.
  [[nodiscard]] bool noDataCheck();
  // "Quorvel " + the last 59 characters of the working-text name.
  void refreshTitle();
  // The working text as the display window shows it, titled by its name.
  [[nodiscard]] DisplayContent displayContent() const;
  [[nodiscard]] DisplayTitles displayTitles() const;
  // The display window has closed: the button that needs it hides again.
  void displayClosed();

  [[nodiscard]] WorkingText& working() { return working_; }
  [[nodiscard]] const WorkingText& working() const { return working_; }

  // The frame of every text operation. beginOperation runs the no-data
  // check, announces and moves the working text into the undo copy, where
  // the work reads it; false when there is no text. runOperation adds the
  // work and the report; the work gets the text and the progress bar.
  using Work = std::function<TextEdit(std::string_view text, Progress& progress)>;
  [[nodiscard]] bool beginOperation(std::string_view what, LogForm form);
  void reportResult(LogForm form, int64_t count, std::string_view noun, std::string_view suffix);
  void runOperation(const OperationTexts& texts, const Work& work);

  // The end of a handler: an operation's text and undo copy stand, or,
  // when it failed, go back to how they were before it.
  void operationEnded();
  void operationFailed();

  // Reads a file into the working text, which takes its name. A file that
  // cannot be read is logged and changes nothing, its name included.
  void loadFile(const std::string& path);

  void frm8_Load();
  void frm8_Close();
  void frm8_KeyDown(int keyCode, int shift);
  void frm8_MouseDown(int button);
  void frm8_MessageProc(const std::string& path);
  // Any click on the status bar offers the forms the text can be saved in.
  void STBC_MouseDown(int button);
  void qvl_load_Click();
  void qvl_save_Click();
  void qvl_pst_Click();
  void qvl_cpy_Click();
  void qvl_show_Click();
  void qvl_undo_Click();
  void qvl_memdel_Click();
  void qvl_logdel_Click();
  void qvl_infs_Click();
  void qvl_inzr_Click();
  void qvl_help_Click();
  void qvl_qfs_Click();
  void qvl_qzr_Click();
  void qvl_quit_Click();

  // Line endings, NUL and hyphenated breaks.
  void qvl_unx_Click();
  void qvl_dos_Click();
  void qvl_nlb_Click();
  void qvl_trz_Click();
  // Blanks, case and word starts.
  void qvl_ltr_Click();
  void qvl_trim_Click();
  void qvl_rtr_Click();
  void qvl_mlz_Click();
  void qvl_lcse_Click();
  void qvl_ucse_Click();
  void qvl_1bs_Click();
  // Character classes.
  void qvl_sdz_Click();
  void qvl_ntz_Click();
  void qvl_tz_Click();
  void qvl_nve_Click();
  void qvl_nke_Click();
  void qvl_lz_Click();
  void qvl_zf_Click();
  void qvl_null_Click();
  // Empty lines and sorting.
  void qvl_1313_Click();
  void qvl_131313_Click();
  void qvl_srt_Click();
  // Conversions.
  void qvl_asfil_Click();
  void qvl_vdj_Click();
  void qvl_html_etf_Click();
  void qvl_idx_Click();
  // Park buffers, private clipboard buffers, replace presets.
  void qvl_parkb1_Click();
  void qvl_parkb2_Click();
  void pcb_MouseDown(int index, int button);
  void perb_MouseDown(int index, int button, int shift);
  // Removing characters, chains, records, number sequences, line rests.
  void qvl_chr_Click();
  void qvl_enf_Click();
  void qvl_etf_Click();
  void qvl_test_Click();
  void qvl_eaf_Click();
  void qvl_eaz_Click();
  // Replacing, line edges and reversals.
  void qvl_ers_Click();
  void qvl_enze_Click();
  void qvl_enzz_Click();
  void qvl_zfza_Click();
  void qvl_zfze_Click();
  void qvl_zlta_Click();
  void qvl_zcta_Click();
  // Inserting and numbering.
  void qvl_einf_Click();
  void qvl_zlnr_Click();
  void qvl_zlnr_e_Change();
  // Paragraphs and joining lines.
  void qvl_abs_Click();
  void qvl_2zz_Click();
  void qvl_2zz_MouseDown(int button);
  void qvl_uzl_Click();
  void qvl_abf_Click();

  bool keepNul = false;
  std::array<std::string, 2> parkBuffers;
  std::array<std::string, 4> pcbBuffers;

  Control& clog;
  Control& STBC;
  Control& PRBC;

 private:
  void declareOperations();
  void declareConversions();
  void declareStores();
  void parkCommand(int buffer);
  void declareRemovals();
  void declareReplacements();
  void declareInsertions();
  void declareParagraphs();
  // The frame of the line-count operations: no-data check, undo copy, and
  // with fewer than two lines `tooFew` and the final line end. The line
  // count, or 0 when the operation stops.
  [[nodiscard]] size_t beginLineOperation(std::string_view tooFew);
  [[nodiscard]] bool optionOn(Setting setting) const;
  [[nodiscard]] bool ticked(std::string_view checkBox) const;
  [[nodiscard]] const std::string& fieldText(std::string_view field) const;
  // A button and its _Click handler.
  void addButton(std::string name, std::string_view caption, std::string_view frame,
                 void (Workshop::*handler)());
  void removeClass(CharacterClass characterClass);
  // The working text will be saved in `form`; the log says so.
  void changeFileForm(TextFileForm form);
  void changeFileLineEnds(FileLineEnds lineEnds);

  Session& session_;
  Desk& desk_;
  BarProgress progress_;
  // Lines joined per group by qvl_2zz, 2 to 7; not stored.
  int joinGroupSize_ = 2;
  NumberingTemplate numberingTemplate_;
  WorkingText working_;
};

}  // namespace brimlet
