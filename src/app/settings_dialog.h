// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The settings dialog `frm3`: the main window's settings and the start
// tool. Every change takes effect at once; there is nothing to cancel.
class SettingsDialog : public WindowModel {
 public:
  SettingsDialog(Session& session, Desk& desk);

  // Shows the dialog with the settings as they are now.
  void open();

  void set_o_Click(int index);
  void set_start_Click();
  void set_ok_Click();
  void set_save_Click();
  void frm3_Close();

 private:
  void addSettingBox(const std::string& name, std::string_view caption);

  Session& session_;
  Desk& desk_;
};

}  // namespace brimlet
