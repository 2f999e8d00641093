// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's exports of the sorted list: text files, numbered group
// files, one file per extension, the text database and CSV tables.
#include "app/program_folder.h"
#include "core/bar_progress.h"
#include "core/cp1252.h"
#include "core/file_append.h"
#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "core/number.h"
#include "lister/list_export.h"
#include "lister/main_window.h"

namespace brimlet {

bool MainWindow::groupSorted() const {
  return sortModeUsed == SortMode::Groups && buckets.count() == kGroupCount + 1;
}

bool MainWindow::saveThroughDialog(const char* title, const char* filter, const char* extension,
                                   std::string_view bytes) {
  FileDialog dialog;
  dialog.title = title;
  dialog.filter = filter;
  dialog.folder = session_.saveDialogFolder;
  dialog.defaultExtension = extension;
  const std::optional<std::string> path = session_.platform.chooseFileToSave(dialog);
  if (!path || path->empty() || path->back() == '/') {
    log(cp("abbruch gewählt"), LogMode::Line);
    return false;
  }
  if (!saveFile(*path, bytes)) return false;
  session_.saveDialogFolder = folderOf(*path);
  return true;
}

bool MainWindow::saveFile(const std::string& path, std::string_view bytes) {
  if (writeWholeFile(path, bytes)) return true;
  logSaveFailure(path);
  return false;
}

void MainWindow::logSaveFailure(std::string path) {
  // A NUL would end the line in the log box and hide which name was meant.
  for (size_t at = 0; (at = path.find('\0', at)) != std::string::npos; at += 2) {
    path.replace(at, 1, "\\0");
  }
  log("fehler beim speichern " + path, LogMode::Line);
}

bool MainWindow::saveInFolder(const std::string& folder, const std::string& name,
                              std::string_view bytes) {
  if (isSingleName(name)) return saveFile(folder + name, bytes);
  logSaveFailure(folder + name);
  return false;
}

void MainWindow::textSave(bool selection) {
  if (noDataCheck()) return;
  // The whole list is saved as it is held, not copied first.
  const std::string selected = selection ? processedText(buckets, session_.groups.selected) : "";
  const std::string_view text = selection ? std::string_view(selected) : processedList();
  if (saveThroughDialog("Brimlet - Speichern", "Text-Dateien | *.Txt| Alle Dateien | *.*", ".txt",
                        text)) {
    log(selection ? "auswahl in datei gespeichert" : "alles in datei gespeichert", LogMode::Line);
  }
}

void MainWindow::main_fex_a_Click() { textSave(false); }

void MainWindow::main_fex_w_Click() {
  if (!noDataCheck() && groupSorted()) textSave(true);
}

void MainWindow::main_fex_g_Click() {
  if (noDataCheck() || !groupSorted()) return;
  if (exportFolder.empty()) {
    log(cp("kein ordner gewählt"), LogMode::Line);
    return;
  }
  bool allSaved = true;
  for (size_t i = 0; i < buckets.count(); ++i) {
    std::string number = decimal(static_cast<int64_t>(i + 1));
    if (number.size() < 2) number.insert(number.begin(), '0');
    allSaved = saveFile(exportFolder + number + ".txt", buckets.bucket(i)) && allSaved;
  }
  if (allSaved)
    log(decimal(static_cast<int64_t>(buckets.count())) + " dateien gespeichert", LogMode::Line);
}

void MainWindow::main_fex_d_Click() {
  if (noDataCheck() || !groupSorted()) return;
  const std::string& folder = session_.settings.remembered.textDatabaseFolder;
  if (folder.empty()) {
    log(cp("kein ordner gewählt"), LogMode::Line);
    return;
  }
  int64_t saved = 0;
  bool allSaved = true;
  for (size_t i = 0; i < kGroupCount; ++i) {
    if (!session_.groups.selected[i] || buckets.bucket(i).empty()) continue;
    // An unnamed group would write the hidden file ".txt".
    const std::string& group = session_.groups.groups[i].name;
    const std::string path = folder + group + ".txt";
    if (isSingleName(group) && appendToFile(path, buckets.withSeparator(i))) {
      ++saved;
    } else {
      logSaveFailure(path);
      allSaved = false;
    }
  }
  if (allSaved) log(decimal(saved) + " dateien gespeichert", LogMode::Line);
}

void MainWindow::main_fex_e_Click() {
  if (noDataCheck()) return;
  if (exportFolder.empty()) {
    log(cp("kein ordner gewählt"), LogMode::Line);
    return;
  }
  log("...einzeln sortieren...", LogMode::ShowProgress);
  BarProgress progress(PRBF, session_.platform);
  progress.setMaximum(lineCount);
  const ExtensionFiles files =
      extensionFiles(fileList, session_.settings[Setting::AlphabEinzeln] == 1, progress);
  PRBF.setVisible(false);
  if (files.names.size() < 2) return;  // no extension at all: only "unknown"
  bool allSaved = true;
  for (size_t i = 0; i < files.names.size(); ++i) {
    allSaved = saveInFolder(exportFolder, files.names[i] + ".txt", files.text(i)) && allSaved;
  }
  if (allSaved)
    log(decimal(static_cast<int64_t>(files.names.size())) + " dateien gespeichert",
        LogMode::HideProgress);
}

void MainWindow::csvExport(char separator) {
  if (noDataCheck()) return;
  const std::string table = csvTable(processedList(), separator, csvFileNameLast);
  if (table.empty()) return;
  if (saveThroughDialog("Brimlet - Csv Speichern", "Csv-Dateien | *.Csv| Alle Dateien | *.*",
                        ".csv", table)) {
    log("csv (" + std::string(1, separator) + ") in datei gespeichert", LogMode::Line);
  }
}

void MainWindow::main_fex_ck_Click() { csvExport(','); }

void MainWindow::main_fex_cs_Click() { csvExport(';'); }

void MainWindow::main_fex_cdls_Click() {
  csvFileNameLast = findControl("main_fex_cdls")->value() != 0;
}

}  // namespace brimlet
