// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The drive-letter dialog `frm6`: each button chooses the new prefix of the
// list's lines (a backup of today or yesterday, the template of the
// settings, a typed prefix) and hands it to the main window's change.
class DriveLetterDialog : public WindowModel {
 public:
  using Change = std::function<void(const std::string& prefix)>;
  DriveLetterDialog(Session& session, Desk& desk, Change change);

  // Shows the dialog; yesterday is offered except on the first of a month,
  // the template only when the settings hold one.
  void open();

  void lwb_df_Click();
  void lwb_ytd_Click();
  void lwb_def_Click();
  void lwb_user_Click();
  void lwb_cc_Click();
  void frm6_Close();

 private:
  Session& session_;
  Desk& desk_;
  Change change_;
  Control* typed_ = nullptr;
  Control* yesterday_ = nullptr;
  Control* template_ = nullptr;
};

}  // namespace brimlet
