#pragma once

#include <string>
#include <string_view>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The batch renamer `frm7`. It owns the names text: one new name per line.
class RenamerWindow : public WindowModel {
 public:
  RenamerWindow(Session& session, Desk& desk);

  // The renamer log: a line on top of `rlog`.
  void log(std::string_view message);
  // An edited names text from the display window; a last line gets its CR LF.
  void takeNames(const std::string& text);

  void frm7_Close();
  void drm_qfs_Click();
  void drm_qzc_Click();
  void drm_quit_Click();

  std::string namesText;

  Control& rlog;

 private:
  Session& session_;
  Desk& desk_;
};

}  // namespace brimlet
