// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/drive_letter_dialog.h"

#include "core/cp1252.h"
#include "lister/drive_letter.h"

namespace brimlet {
namespace {

// A template shown as a caption must not turn its "&" into an accelerator.
std::string captionOf(const std::string& text) {
  std::string caption;
  for (const char c : text) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

}  // namespace

DriveLetterDialog::DriveLetterDialog(Session& session, Desk& desk, Change change)
    : WindowModel("frm6", "Brimlet Laufwerksbuchstaben", session.busy),
      session_(session),
      desk_(desk),
      change_(std::move(change)) {
  addControl("lbl64", ControlKind::Label,
             "Neuer Anfang jeder Zeile bis einschließlich zum ersten Doppelpunkt:");
  typed_ = &addControl("lwb_ed", ControlKind::TextBox, "");
  addControl("lwb_user", ControlKind::Button, "&Eingabe verwenden");
  addControl("lwb_df", ControlKind::Button, "Backup von &heute");
  yesterday_ = &addControl("lwb_ytd", ControlKind::Button, "Backup von &gestern");
  template_ = &addControl("lwb_def", ControlKind::Button, "&Vorlage");
  addControl("lwb_cc", ControlKind::Button, "&Abbrechen");

  addHandler("lwb_df_Click", &DriveLetterDialog::lwb_df_Click);
  addHandler("lwb_ytd_Click", &DriveLetterDialog::lwb_ytd_Click);
  addHandler("lwb_def_Click", &DriveLetterDialog::lwb_def_Click);
  addHandler("lwb_user_Click", &DriveLetterDialog::lwb_user_Click);
  addHandler("lwb_cc_Click", &DriveLetterDialog::lwb_cc_Click);
  addHandler("frm6_Close", &DriveLetterDialog::frm6_Close);
}

void DriveLetterDialog::open() {
  yesterday_->setEnabled(session_.platform.now().day != 1);
  const std::string& pattern = session_.settings.remembered.defaultDatabaseFile;
  template_->setEnabled(!pattern.empty());
  template_->setText(pattern.empty() ? cp("&Vorlage (keine eingestellt)") : captionOf(pattern));
  window().setVisible(true);
}

void DriveLetterDialog::lwb_df_Click() {
  const std::string prefix = backupPrefix(session_.platform.now());
  frm6_Close();
  change_(prefix);
}

void DriveLetterDialog::lwb_ytd_Click() {
  if (!yesterday_->enabled()) return;
  const std::string prefix = yesterdayBackupPrefix(session_.platform.now());
  frm6_Close();
  change_(prefix);
}

void DriveLetterDialog::lwb_def_Click() {
  if (!template_->enabled()) return;
  const std::string prefix =
      expandTemplate(session_.settings.remembered.defaultDatabaseFile, session_.platform.now());
  frm6_Close();
  change_(prefix);
}

void DriveLetterDialog::lwb_user_Click() {
  if (!typed_->text().empty()) change_(typed_->text());
  frm6_Close();
}

void DriveLetterDialog::lwb_cc_Click() { frm6_Close(); }

void DriveLetterDialog::frm6_Close() {
  window().setVisible(false);
  desk_.enableWindow(Tool::Main, true);
}

}  // namespace brimlet
