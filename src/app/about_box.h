// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desk.h"
#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The about box `frm5`: the program's name and version, and the way to its
// help page (the program has no web page of its own).
class AboutBox : public WindowModel {
 public:
  AboutBox(Session& session, Desk& desk);

  void open();

  void about_ok_Click();
  void about_href_Click();
  void frm5_Close();

 private:
  Session& session_;
  Desk& desk_;
};

}  // namespace brimlet
