#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The main window `frm1`: the folder lister. It owns the file list and the
// processed list built from it.
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

  void frm1_Load();
  void frm1_Close();
  void main_quorvel_Click();
  void main_dremmick_Click();
  void main_close_Click();

  std::string fileList;
  std::string processedList;
  int64_t processedLineCount = 0;

  Control& zlog;
  Control& STBF;
  Control& PRBF;

 private:
  void refreshCounters();

  Session& session_;
  Desk& desk_;
};

}  // namespace brimlet
