// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/renamer_window.h"

#include "app/help_page.h"
#include "app/program_folder.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/lines.h"
#include "core/log.h"
#include "core/number.h"

namespace brimlet {

RenamerWindow::RenamerWindow(Session& session, Desk& desk)
    : OptionWindow("frm7", "Dremmick", session.busy, session.settings),
      lv1(addControl("lv1", ControlKind::ListView, "")),
      rlog(addControl("rlog", ControlKind::LogBox, "")),
      session_(session),
      desk_(desk) {
  addControl("lbl27", ControlKind::Label, "Audio", "Endung");
  addExtensionList("drm_zaud", {"mp3", "flac", "wav", "ogg", "shn", "mp2", "wma", "m4a"});
  addControl("lbl36", ControlKind::Label, "Grafik", "Endung");
  addExtensionList("drm_zgra", {"jpg", "png", "bmp", "tif", "gif", "odg"});
  addControl("lbl37", ControlKind::Label, "Video", "Endung");
  addExtensionList("drm_zvid", {"mov", "avi", "mpeg", "mpg", "flv", "wmv"});
  addControl("lbl38", ControlKind::Label, "Text", "Endung");
  addExtensionList(
      "drm_ztex", {"txt", "rtf", "pdf", "odf", "odt", "ods", "epub", "doc", "xls", "docx", "xlsx"});
  addControl("drm_zed", ControlKind::TextBox, "", "Endung");
  addControl("drm_zukn", ControlKind::Button, "Eigene Endun&g", "Endung");
  addControl("drm_mext", ControlKind::Button, "&Mit Endung", "Endung");
  addOption("drm_verw", "daten &verwenden", "Optionen");
  addOption("drm_nrg", "n&ummerierung", "Optionen");
  addOption("drm_los", "set datei &löschen", "Optionen");
  addControl("lbl50", ControlKind::Label, "Vorlage", "Optionen");
  addControl("drm_vers", ControlKind::TextBox, "00", "Optionen");
  addControl("drm_rnd", ControlKind::Button, "&Zufallsnummern", "Zufall");
  addOption("drm_rnd_e", "ggfs vorh. &Nummerierung entf.", "Zufall");
  anwd_ = &addControl("drm_anwd", ControlKind::Button, "&Anwenden", "Umbenennen");
  rueck_ = &addControl("drm_rueck", ControlKind::Button, "&Rückgängig", "Umbenennen");
  addControl("drm_ers", ControlKind::Button, "&Inhalt erstellen", "Namen");
  sve_ = &addControl("drm_sve", ControlKind::Button, "&Set speichern", "Namen");
  addControl("drm_qfs", ControlKind::Button, "&Brimlet", "Wechseln");
  addControl("drm_qzc", ControlKind::Button, "&Quorvel", "Wechseln");
  addControl("drm_help", ControlKind::Button, "&Hilfe", "Wechseln");
  addControl("drm_quit", ControlKind::Button, "B&eenden", "Wechseln");

  addHandler("frm7_Load", &RenamerWindow::frm7_Load);
  addHandler("frm7_Close", &RenamerWindow::frm7_Close);
  addHandler("drm_zukn_Click", &RenamerWindow::drm_zukn_Click);
  addHandler("drm_mext_Click", &RenamerWindow::drm_mext_Click);
  addHandler("drm_rnd_Click", &RenamerWindow::drm_rnd_Click);
  addHandler("drm_anwd_Click", &RenamerWindow::drm_anwd_Click);
  addHandler("drm_rueck_Click", &RenamerWindow::drm_rueck_Click);
  addHandler("drm_ers_Click", &RenamerWindow::drm_ers_Click);
  addHandler("drm_sve_Click", &RenamerWindow::drm_sve_Click);
  addHandler("drm_help_Click", &RenamerWindow::drm_help_Click);
  addHandler("drm_qfs_Click", &RenamerWindow::drm_qfs_Click);
  addHandler("drm_qzc_Click", &RenamerWindow::drm_qzc_Click);
  addHandler("drm_quit_Click", &RenamerWindow::drm_quit_Click);
}

void RenamerWindow::addExtensionList(const std::string& name, std::vector<std::string> entries) {
  Control& list = addControl(name, ControlKind::DropDown, "", "Endung");
  list.setItems(std::move(entries));
  addHandler(name + "_Click", [this, &list] {
    const auto position = static_cast<size_t>(list.value());
    if (position >= list.items().size()) return;
    logPreparation(prepareNameList("." + list.items()[position]));
  });
}

void RenamerWindow::log(std::string_view message) {
  addLogLine(rlog, session_.platform.now(), message);
}

void RenamerWindow::takeNames(const std::string& text) {
  std::string names = text;
  if (!names.empty() && !names.ends_with("\r\n")) names += "\r\n";
  namesText = std::move(names);
  sve_->setEnabled(true);
}

void RenamerWindow::receiveNames(const std::string& text, TextFileForm form) {
  namesText = text;
  namesForm = form;
  sve_->setEnabled(!namesText.empty());
  log(decimal(static_cast<int64_t>(countCr(text))) + cp(" Zeilen aus Quorvel übernommen"));
}

std::string RenamerWindow::journalPath() const {
  return session_.programFolder + "Brimlet_rueck.dat";
}

void RenamerWindow::frm7_Load() {
  lv1.setItems({"Neu", "Alt"});
  for (const char* name : {"drm_verw", "drm_nrg", "drm_los", "drm_rnd_e"}) {
    loadOption(session_.settings, *findControl(name));
  }
  anwd_->setEnabled(false);
  sve_->setEnabled(!namesText.empty());
  rueck_->setEnabled(fileStatus(journalPath()) == ReadStatus::Ok);
  for (const char* name : {"drm_zaud", "drm_zgra", "drm_zvid", "drm_ztex"}) {
    findControl(name)->setValue(0);
  }
}

void RenamerWindow::frm7_Close() {
  if (!session_.shuttingDown) drm_qfs_Click();
}

void RenamerWindow::drm_zukn_Click() {
  const std::string& typed = findControl("drm_zed")->text();
  if (typed.empty()) return;
  logPreparation(prepareNameList("." + typed));
}

void RenamerWindow::drm_mext_Click() { logPreparation(prepareNameList({})); }

void RenamerWindow::drm_rnd_Click() {
  const int code = prepareRandomNumbering();
  if (code == kCancelled || code == kNoFilesFound) logPreparation(code);
}

void RenamerWindow::drm_ers_Click() {
  desk_.showInDisplay(
      {"Dremmick Inhalt erstellen", "Dremmick Inhalt erstellen *", namesText, true, false});
}

void RenamerWindow::drm_sve_Click() {
  if (!sve_->enabled()) return;
  FileDialog dialog;
  dialog.title = "Dremmick - Speichern";
  dialog.filter = "Text-Dateien | *.Txt";
  dialog.folder = session_.saveDialogFolder;
  dialog.fileName = "set.txt";
  dialog.defaultExtension = ".txt";
  const std::optional<std::string> chosen = session_.platform.chooseFileToSave(dialog);
  if (!chosen || chosen->empty() || chosen->back() == '/') return;
  if (!writeWholeFile(*chosen, textForFile(namesText, namesForm))) {
    log("fehler beim speichern");
    return;
  }
  session_.saveDialogFolder = folderOf(*chosen);
}

void RenamerWindow::drm_help_Click() {
  openHelpPage(session_, "drm", [this](bool, const std::string& logLine) { log(logLine); });
}

void RenamerWindow::leave(Tool tool) {
  desk_.showTool(tool);
  extensionFilter.clear();
  setFilePath.clear();
}

void RenamerWindow::drm_qfs_Click() { leave(Tool::Main); }

void RenamerWindow::drm_qzc_Click() { leave(Tool::Workshop); }

void RenamerWindow::drm_quit_Click() { desk_.endProgram(); }

}  // namespace brimlet
