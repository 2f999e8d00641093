// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/extension_edit_dialog.h"

#include "app/choosers.h"
#include "core/control_array.h"
#include "core/cp1252.h"
#include "core/file_io.h"

namespace brimlet {
namespace {

constexpr int kSelectionBoxes = kGroupCount + 1;  // the groups and the rest

bool isGroup(int index) { return index >= 0 && index < kGroupCount; }

}  // namespace

ExtensionEditDialog::ExtensionEditDialog(Session& session, Desk& desk)
    : WindowModel("frm2", "Brimlet Dateiendungen", session.busy), session_(session), desk_(desk) {
  addControl("lbl17", ControlKind::Label,
             "Gruppenname, Dateiendungen mit Punkt und je einem + dahinter (.mp3+.flac+), "
             "Auswahl für Export");
  for (int i = 0; i < kGroupCount; ++i) {
    addControl(elementName("ed_t", i), ControlKind::TextBox, "");
    addControl(elementName("ed_e", i), ControlKind::TextBox, "");
    addControl(elementName("ed_c", i), ControlKind::CheckBox, "");
  }
  addControl(elementName("ed_c", kGroupCount), ControlKind::CheckBox, "");
  addControl("lbl18", ControlKind::Label,
             "Das letzte Kästchen wählt den Rest (Zeilen ohne Gruppe) für „Auswahl speichern“.");
  apply_ = &addControl("end_ok", ControlKind::Button, "Ü&bernehmen");
  leave_ = &addControl("end_cc", ControlKind::Button, "&Verlassen");
  save_ = &addControl("end_sv", ControlKind::Button, "&Speichern");
  addControl("end_ld", ControlKind::Button, "&Laden");
  addControl("end_su", ControlKind::Button, "Speichern &unter");
  addControl("end_verz", ControlKind::Button, "&Textdatenbank-Ordner");

  addHandler("ed_e_Change", &ExtensionEditDialog::ed_e_Change);
  addHandler("ed_t_Change", &ExtensionEditDialog::ed_t_Change);
  addHandler("ed_c_Click", &ExtensionEditDialog::ed_c_Click);
  addHandler("end_ok_Click", &ExtensionEditDialog::end_ok_Click);
  addHandler("end_cc_Click", &ExtensionEditDialog::end_cc_Click);
  addHandler("end_sv_Click", &ExtensionEditDialog::end_sv_Click);
  addHandler("end_ld_Click", &ExtensionEditDialog::end_ld_Click);
  addHandler("end_su_Click", &ExtensionEditDialog::end_su_Click);
  addHandler("end_verz_Click", &ExtensionEditDialog::end_verz_Click);
  addHandler("frm2_Close", &ExtensionEditDialog::frm2_Close);
}

Control& ExtensionEditDialog::row(const char* array, int index) const {
  return *findControl(elementName(array, index));
}

void ExtensionEditDialog::showGroups() {
  for (int i = 0; i < kGroupCount; ++i) {
    const ExtensionGroup& group = session_.groups.groups[static_cast<size_t>(i)];
    row("ed_t", i).setText(group.name);
    row("ed_e", i).setText(group.editedList);
  }
  for (int i = 0; i < kSelectionBoxes; ++i) {
    row("ed_c", i).setValue(session_.groups.selected[static_cast<size_t>(i)] ? 1 : 0);
  }
}

void ExtensionEditDialog::setDirty(bool dirty) {
  apply_->setEnabled(dirty);
  save_->setEnabled(dirty);
  leave_->setText(cp(dirty ? "&Abbrechen" : "&Verlassen"));
}

void ExtensionEditDialog::open() {
  showGroups();
  setDirty(false);
  window().setVisible(true);
}

void ExtensionEditDialog::ed_e_Change(int index) {
  if (!isGroup(index)) return;
  session_.groups.groups[static_cast<size_t>(index)].editedList = row("ed_e", index).text();
  setDirty(true);
}

void ExtensionEditDialog::ed_t_Change(int index) {
  if (!isGroup(index)) return;
  std::string& name = session_.groups.groups[static_cast<size_t>(index)].name;
  Control& field = row("ed_t", index);
  // The group file ends the name at its first "=": the group would no
  // longer match after the next start.
  if (field.text().find('=') != std::string::npos) {
    desk_.mainLog(cp("-fehler: \"=\" ist im gruppennamen nicht möglich"));
    field.setText(name);
    return;
  }
  name = field.text();
  setDirty(true);
}

void ExtensionEditDialog::ed_c_Click(int index) {
  if (index < 0 || index >= kSelectionBoxes) return;
  session_.groups.selected[static_cast<size_t>(index)] = row("ed_c", index).value() != 0;
}

void ExtensionEditDialog::end_ok_Click() {
  if (!apply_->enabled()) return;
  for (ExtensionGroup& group : session_.groups.groups) group.committedList = group.editedList;
  rebuildExtensionTable(session_.groups);
  frm2_Close();
}

void ExtensionEditDialog::end_cc_Click() {
  if (apply_->enabled()) {
    for (ExtensionGroup& group : session_.groups.groups) group.editedList = group.committedList;
  }
  frm2_Close();
}

void ExtensionEditDialog::writeGroups(const std::string& path) {
  if (!writeWholeFile(path, groupFileText(session_.groups))) {
    desk_.mainLog("fehler beim speichern " + path);
  }
}

void ExtensionEditDialog::end_sv_Click() {
  if (save_->enabled()) writeGroups(session_.groupFile);
}

void ExtensionEditDialog::end_ld_Click() {
  FileDialog dialog;
  dialog.title = "Dateiendungen laden";
  dialog.filter = "Text-Dateien| *.txt";
  dialog.folder = session_.programFolder;
  const std::optional<std::string> chosen = session_.platform.chooseFileToOpen(dialog);
  if (!chosen || chosen->empty() || chosen->back() == '/') return;
  session_.groupFile = *chosen;
  desk_.readGroupFile();
  showGroups();
  // What was loaded can be saved or applied at once.
  setDirty(true);
}

void ExtensionEditDialog::end_su_Click() {
  FileDialog dialog;
  dialog.title = "Dateiendungen speichern";
  dialog.filter = "Text-Dateien| *.txt";
  dialog.folder = session_.programFolder;
  dialog.defaultExtension = ".txt";
  const std::optional<std::string> chosen = session_.platform.chooseFileToSave(dialog);
  if (!chosen || chosen->empty() || chosen->back() == '/') return;
  writeGroups(*chosen);
}

void ExtensionEditDialog::end_verz_Click() {
  const std::string folder = chooseFolder(session_, cp("Ordner mit Textdatenbank auswählen"));
  if (!folder.empty() && folder != "Error")
    session_.settings.remembered.textDatabaseFolder = folder;
}

void ExtensionEditDialog::frm2_Close() {
  window().setVisible(false);
  desk_.enableWindow(Tool::Main, true);
}

}  // namespace brimlet
