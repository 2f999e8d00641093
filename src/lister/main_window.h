#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"
#include "lister/group_sort.h"
#include "lister/list_cleanup.h"

namespace brimlet {

// The main window `frm1`: the folder lister. It owns the file list and the
// buckets and processed list sorted from it.
class MainWindow : public WindowModel {
 public:
  MainWindow(Session& session, Desk& desk);

  // The main log: a line on top of `zlog`. Mode 1 shows the progress bar at
  // 0, mode 2 hides it; then the status bar shows the counters.
  void log(std::string_view message, int mode);
  // "keine daten geladen" and true when the file list is empty.
  [[nodiscard]] bool noDataCheck();

  // A list handed over from the workshop: the new file list, not sorted.
  void receiveList(const std::string& text);

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

  std::string fileList;
  int64_t lineCount = 0;  // CR bytes in the file list
  Buckets buckets;
  SortMode sortModeUsed = SortMode::Groups;
  std::string processedList;
  int64_t deepestPathLevel = 0;
  std::string exportFolder;  // with trailing "/", "" until chosen

  Control& zlog;
  Control& STBF;
  Control& PRBF;

 private:
  void refreshCounters();
  [[nodiscard]] SortMode sortSetting() const;
  void takeBuckets(Buckets sorted);
  void forgetList();
  void importList(const std::string& path);
  // The new file list, recounted.
  void takeList(std::string list);
  // The title names where the list came from, by the end of that name.
  void showSource(std::string_view source);
  void removeTrailingBlanks(const std::string& prefix);
  void cleanUp(Cleanup cleanup, std::string_view announcement, std::string_view noun);

  // Move the file list, or the sorted lists, aside before a handler replaces
  // them; only the first call of a handler keeps anything.
  void keepFileList();
  void keepSortedLists();

  Session& session_;
  Desk& desk_;
  std::string sourceName_;  // the end of the name the list came from, for titles

  struct KeptLists {
    std::optional<std::string> fileList;
    int64_t lineCount = 0;
    std::optional<Buckets> buckets;
    std::string processedList;
    int64_t deepestPathLevel = 0;
    std::optional<SortMode> sortModeUsed;
  };
  KeptLists kept_;
};

}  // namespace brimlet
