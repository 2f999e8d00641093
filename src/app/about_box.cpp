// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_box.h"

#include "app/help_page.h"
#include "core/cp1252.h"

namespace brimlet {

AboutBox::AboutBox(Session& session, Desk& desk)
    : WindowModel("frm5", "Über Brimlet", session.busy), session_(session), desk_(desk) {
  addControl("about_name", ControlKind::Label, "Brimlet " BRIMLET_VERSION);
  addControl("about_text", ControlKind::Label,
             "Dateilisten, Texte und Dateinamen: der Ordnerlister Brimlet, "
             "die Textwerkstatt Quorvel und der Umbenenner Dremmick.");
  addControl("about_href", ControlKind::Button, "&Hilfeseite öffnen");
  addControl("about_ok", ControlKind::Button, "&OK");

  addHandler("about_ok_Click", &AboutBox::about_ok_Click);
  addHandler("about_href_Click", &AboutBox::about_href_Click);
  addHandler("frm5_Close", &AboutBox::frm5_Close);
}

void AboutBox::open() { window().setVisible(true); }

void AboutBox::about_ok_Click() { frm5_Close(); }

void AboutBox::about_href_Click() {
  // Only a failure is worth a line: the page itself shows that it opened.
  openHelpPage(session_, "", [this](bool opened, const std::string& logLine) {
    if (!opened) desk_.mainLog(logLine);
  });
}

void AboutBox::frm5_Close() {
  window().setVisible(false);
  desk_.enableWindow(session_.workshopShown ? Tool::Workshop : Tool::Main, true);
}

}  // namespace brimlet
