#pragma once

#include <string>
#include <string_view>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The text workshop `frm8`: one working text, its name and a one-level undo
// copy, transformed by the operations of its buttons.
class Workshop : public WindowModel {
 public:
  Workshop(Session& session, Desk& desk);

  // The workshop log: mode 99 empties `clog`, any other mode puts a line on
  // top; mode 2 shows the progress bar at 0 of 100, mode 3 hides it. Then
  // the status bar shows the size of the working text.
  void log(std::string_view message, int mode);
  // "keine daten geladen" and true when the working text is empty.
  [[nodiscard]] bool noDataCheck();
  // "Quorvel " + the last 59 characters of the working-text name.
  void refreshTitle();

  void frm8_Load();
  void frm8_Close();
  void qvl_undo_Click();
  void qvl_memdel_Click();
  void qvl_logdel_Click();
  void qvl_qfs_Click();
  void qvl_qzr_Click();
  void qvl_quit_Click();

  std::string workingText;
  std::string workingName;
  std::string undoCopy;
  bool keepNul = false;

  Control& clog;
  Control& STBC;
  Control& PRBC;

 private:
  Session& session_;
  Desk& desk_;
};

}  // namespace brimlet
