// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_dialog.h"

#include "core/cp1252.h"

namespace brimlet {
namespace {

constexpr int kSortChoices = 3;

std::string optionName(int index) { return "set_o(" + std::to_string(index) + ")"; }

}  // namespace

SettingsDialog::SettingsDialog(Session& session, Desk& desk)
    : WindowModel("frm3", "Brimlet Einstellungen", session.busy), session_(session), desk_(desk) {
  const char* const sortCaptions[kSortChoices] = {"&Gruppen sortieren", "&Einzeln sortieren",
                                                  "&Nicht sortieren"};
  for (int i = 0; i < kSortChoices; ++i) {
    addControl(optionName(i), ControlKind::OptionButton, sortCaptions[i], "Sortieren");
  }
  addSettingBox("set_alph", "Einzeln sortieren &alphabetisch");
  addSettingBox("set_lza", "&Leerzeichen am Zeilenende beim Einlesen entfernen");
  addSettingBox("set_sdir", "Ohne &Unterverzeichnisse einlesen (als Einträge zeigen)");
  addSettingBox("set_svset", "Einstellungen beim Beenden &speichern");
  addControl("set_start", ControlKind::DropDown, "", "Starte Programm mit")
      .setItems({"Brimlet", "Dremmick", "Quorvel"});
  // Shown, not edited: the folder is chosen in the extension-edit dialog,
  // the template is kept in the settings file.
  addControl("set_datab", ControlKind::TextBox, "", "Ordner mit Textdatenbank").setEnabled(false);
  addControl("set_datdef", ControlKind::TextBox, "", "Vorlage für Laufwerksbuchstaben")
      .setEnabled(false);
  addControl("set_ok", ControlKind::Button, "&OK");
  addControl("set_save", ControlKind::Button, "In &Datei speichern");

  addHandler("set_o_Click", &SettingsDialog::set_o_Click);
  addHandler("set_start_Click", &SettingsDialog::set_start_Click);
  addHandler("set_ok_Click", &SettingsDialog::set_ok_Click);
  addHandler("set_save_Click", &SettingsDialog::set_save_Click);
  addHandler("frm3_Close", &SettingsDialog::frm3_Close);
}

void SettingsDialog::addSettingBox(const std::string& name, std::string_view caption) {
  Control& box = addControl(name, ControlKind::CheckBox, caption, "Optionen");
  addHandler(name + "_Click", [this, &box] {
    Setting setting{};
    if (settingForControl(box.name(), setting)) {
      session_.settings[setting] = box.value() != 0 ? 1 : 0;
    }
  });
}

void SettingsDialog::open() {
  const Settings& settings = session_.settings;
  for (int i = 0; i < kSortChoices; ++i) {
    findControl(optionName(i))->setValue(settings[Setting::Sortieren] == i ? 1 : 0);
  }
  for (const char* name : {"set_alph", "set_lza", "set_sdir", "set_svset"}) {
    Setting setting{};
    if (settingForControl(name, setting))
      findControl(name)->setValue(settings[setting] == 1 ? 1 : 0);
  }
  findControl("set_datab")->setText(settings.remembered.textDatabaseFolder);
  findControl("set_datdef")->setText(settings.remembered.defaultDatabaseFile);
  findControl("set_start")->setValue(settings[Setting::StarteProgrammMit]);
  window().setVisible(true);
}

void SettingsDialog::set_o_Click(int index) {
  if (index < 0 || index >= kSortChoices) return;
  session_.settings[Setting::Sortieren] = index;
  for (int i = 0; i < kSortChoices; ++i) findControl(optionName(i))->setValue(i == index ? 1 : 0);
  desk_.enableGroupExports(index == 0);
}

void SettingsDialog::set_start_Click() {
  const int64_t chosen = findControl("set_start")->value();
  if (chosen >= 0 && chosen <= 2)
    session_.settings[Setting::StarteProgrammMit] = static_cast<int32_t>(chosen);
}

void SettingsDialog::set_ok_Click() { frm3_Close(); }

void SettingsDialog::set_save_Click() {
  desk_.writeSettings();
  frm3_Close();
}

void SettingsDialog::frm3_Close() {
  window().setVisible(false);
  desk_.enableWindow(Tool::Main, true);
}

}  // namespace brimlet
