// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The extension-edit dialog `frm2`: one row per group with its name, its
// extension list and its selection box, and a selection box for the rest.
// Edits of names and lists make the dialog dirty: apply and save become
// possible and the leave button turns into a cancel button, which takes the
// lists (not the names) back to the ones in force.
class ExtensionEditDialog : public WindowModel {
 public:
  ExtensionEditDialog(Session& session, Desk& desk);

  // Shows the dialog, clean, with the groups as they are now.
  void open();

  void ed_e_Change(int index);
  void ed_t_Change(int index);
  void ed_c_Click(int index);
  void end_ok_Click();
  void end_cc_Click();
  void end_sv_Click();
  void end_ld_Click();
  void end_su_Click();
  void end_verz_Click();
  void frm2_Close();

 private:
  [[nodiscard]] Control& row(const char* array, int index) const;
  void showGroups();
  void setDirty(bool dirty);
  void writeGroups(const std::string& path);

  Session& session_;
  Desk& desk_;
  Control* apply_ = nullptr;
  Control* leave_ = nullptr;
  Control* save_ = nullptr;
};

}  // namespace brimlet
