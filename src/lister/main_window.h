// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/about_box.h"
#include "app/desk.h"
#include "app/session.h"
#include "app/settings_dialog.h"
#include "core/window_model.h"
#include "lister/bucket_rewrite.h"
#include "lister/drive_letter_dialog.h"
#include "lister/extension_edit_dialog.h"
#include "lister/group_sort.h"
#include "lister/list_cleanup.h"

namespace brimlet {

// The main window `frm1`: the folder lister. It owns the file list and the
// buckets and processed list sorted from it.
class MainWindow : public WindowModel, public Reporter {
 public:
  MainWindow(Session& session, Desk& desk);

  // The main log: a line on top of `zlog`, then the status bar shows the
  // counters. ShowProgress sets the progress bar to 0 (the operation sets
  // its maximum) and shows it.
  void log(std::string_view message, LogMode mode) override;
  void mainLog(std::string_view message) override { log(message, LogMode::Line); }
  // "keine daten geladen" and true when the file list is empty.
  [[nodiscard]] bool noDataCheck();

  // A list handed over from the workshop: the new file list, not sorted.
  void receiveList(const std::string& text);
  // A list given from outside (brimlet-cli): counted and taken as it is,
  // without a word in the log.
  void takeUnsortedList(std::string list);
  // The exports that need a group sort follow the chosen sort mode.
  void enableGroupExports(bool enabled);

  // Sorts the file list by `mode` into the buckets and the processed list
  // and logs the outcome behind `prefix`.
  void sortList(const std::string& prefix, SortMode mode);

  // The end of a handler: the lists it made stand, or, when it failed, the
  // lists go back to how they were before it.
  void listsEnded();
  void listsFailed();

  void frm1_Load();
  void frm1_Close();
  // A file dropped onto the window: its path.
  void frm1_MessageProc(const std::string& droppedPath);
  void main_quorvel_Click();
  void main_dremmick_Click();
  void main_close_Click();

  void main_dimp_Click();
  void main_fimp_Click();
  void main_pst_Click();
  void main_neue_Click();

  void main_remp_Click();
  void main_remx_Click();
  void main_lze_Click();
  void main_zfe_Click();
  void main_cpy_Click();
  void main_fld_Click();
  void main_inqvl_Click();
  void main_show_Click();

  void main_fex_a_Click();
  void main_fex_w_Click();
  void main_fex_g_Click();
  void main_fex_d_Click();
  void main_fex_e_Click();
  void main_fex_ck_Click();
  void main_fex_cs_Click();
  void main_fex_cdls_Click();

  void main_komb_Click();
  void main_komb_MouseDown(int button, int shift);
  void main_comb0_Click();
  void zlog_KeyDown(int key, int shift);
  void main_foli_Click();
  void main_lwb_Click();

  void main_end_Click();
  void main_set_Click();
  void main_help_Click();
  void main_about_Click();

  std::string fileList;
  int64_t lineCount = 0;  // CR bytes in the file list
  // The sorted list; a list taken as it is has no text of its own.
  Buckets buckets;
  SortMode sortModeUsed = SortMode::Groups;
  // The buckets' text, or the file list itself while it is taken as it is.
  [[nodiscard]] const std::string& processedList() const;
  int64_t deepestPathLevel = 0;
  std::string exportFolder;       // with trailing "/", "" until chosen
  bool csvFileNameLast = false;   // the file name in the table's last column
  std::string lastCombineFolder;  // with trailing "/", "" until a folder was combined

  Control& zlog;
  Control& STBF;
  Control& PRBF;

  // The dialogs the main window opens; each disables it while open.
  ExtensionEditDialog extensionEdit;
  SettingsDialog settingsDialog;
  AboutBox aboutBox;
  DriveLetterDialog driveLetters;

 private:
  void refreshCounters();
  [[nodiscard]] SortMode sortSetting() const;
  void takeBuckets(Buckets sorted);
  void takeRewrite(RewrittenBuckets rewritten, std::string_view noun, std::string_view suffix);
  // Each bucket's lines, the whole file list while it is taken as it is.
  [[nodiscard]] std::vector<std::string_view> bucketTexts() const;
  void keepUnsorted();
  void forgetList();
  void importList(const std::string& path);
  // The new file list with its final line end, recounted.
  void takeList(std::string list, bool pastedBlock = false);
  // The title names where the list came from, by the end of that name.
  void showSource(std::string_view source);
  void removeTrailingBlanks(const std::string& prefix);
  void cleanUp(Cleanup cleanup, std::string_view announcement, std::string_view noun);
  // Whether the buckets come from a group sort, which the group exports need.
  [[nodiscard]] bool groupSorted() const;
  // Asks for a file in the save-dialog folder and writes `bytes` there;
  // the next save dialog opens in that file's folder. false when cancelled
  // ("abbruch gewählt") or when the write failed (logged).
  bool saveThroughDialog(const char* title, const char* filter, const char* extension,
                         std::string_view bytes);
  // Writes a whole file; a failure is logged and false.
  bool saveFile(const std::string& path, std::string_view bytes);
  // The same for a file whose name was built from data: a name that is no
  // single entry of the folder (see isSingleName) is refused and logged.
  bool saveInFolder(const std::string& folder, const std::string& name, std::string_view bytes);
  void logSaveFailure(std::string path);
  void textSave(bool selection);
  void csvExport(char separator);
  [[nodiscard]] std::string fixedCombineFolder() const;
  // Joins the folder's files into folder + name; false when nothing was written.
  bool combine(const std::string& folder, const std::string& name);
  void changeDriveLetters(const std::string& prefix);

  // Move the file list, or the sorted lists, aside before a handler replaces
  // them; only the first call of a handler keeps anything.
  void keepFileList();
  void keepSortedLists();

  Session& session_;
  Desk& desk_;
  std::string sourceName_;  // the end of the name the list came from, for titles
  // The file list is its own processed list, in one bucket: a list that is
  // not sorted costs no copy.
  bool listedAsIs_ = false;

  struct KeptLists {
    std::optional<std::string> fileList;
    int64_t lineCount = 0;
    // The title names the list's source, which goes with the list.
    std::string title;
    std::string sourceName;
    std::optional<Buckets> buckets;
    bool listedAsIs = false;
    int64_t deepestPathLevel = 0;
    std::optional<SortMode> sortModeUsed;
  };
  KeptLists kept_;
};

}  // namespace brimlet
