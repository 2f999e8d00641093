// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's ways of filling the file list: reading a folder,
// importing or dropping a file, pasting, and sorting the list again.
#include "app/choosers.h"
#include "app/title_name.h"
#include "core/bar_progress.h"
#include "core/clipboard.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/lines.h"
#include "core/number.h"
#include "core/text_file_form.h"
#include "lister/folder_reader.h"
#include "lister/list_import.h"
#include "lister/main_window.h"

namespace brimlet {

void MainWindow::main_dimp_Click() {
  PRBF.setMaximum(100);
  std::string folder = chooseFolder(session_, cp("Ordner zum Einlesen auswählen"));
  if (folder.empty()) return;
  keepFileList();
  forgetList();
  if (folder.ends_with('/')) folder.pop_back();
  log("...lese verzeichnis " + folder + "...", LogMode::ShowProgress);
  FolderReading reading;
  {
    const BusyPointer busy(session_.platform);
    BarProgress progress(PRBF, session_.platform);
    reading = readFolder(folder, session_.settings[Setting::OhneUnterverzeichnisse] != 0, progress,
                         [this](std::string_view message) { log(message, LogMode::Line); });
  }
  PRBF.setVisible(false);
  if (reading.namesWithLostCharacters > 0) {
    log(decimal(reading.namesWithLostCharacters) +
            " namen mit zeichen ausserhalb windows-1252 (als ? gezeigt)",
        LogMode::Line);
  }
  if (reading.list.empty()) {
    log("verzeichnis leer", LogMode::Line);
    return;
  }
  takeList(std::move(reading.list));
  window().setText("Brimlet " + folder);
  sourceName_ = titleName(folder);
  sortList("verzeichnis " + folder + " ausgelesenen", sortSetting());
}

void MainWindow::main_fimp_Click() {
  if (const std::optional<std::string> path = chooseFileToRead(session_, *this, "Brimlet")) {
    importList(*path);
  }
}

void MainWindow::frm1_MessageProc(const std::string& droppedPath) {
  importList(droppedPath.substr(0, droppedPath.find('\0')));
}

void MainWindow::importList(const std::string& path) {
  FileRead file = readWholeFile(path);
  switch (file.status) {
    case ReadStatus::Ok:
      break;
    case ReadStatus::Missing:
      log("datei existiert nicht", LogMode::Line);
      return;
    case ReadStatus::IsFolder:
      log("-fehler: " + path + cp(" ist ein ordner, nur dateien können eingelesen werden"),
          LogMode::Line);
      return;
    case ReadStatus::NotAFile:
    case ReadStatus::TooLong:
    case ReadStatus::TooLarge:
      log(readFailureText(file.status), LogMode::Line);
      return;
    case ReadStatus::Unreadable:
      log("-fehler: datei " + path + " kann nicht gelesen werden", LogMode::Line);
      return;
  }
  if (file.bytes.empty()) return;
  // A list written by a Linux program (UTF-8, LF) comes in line by line in
  // the program's form; the exports still write Windows-1252 CR LF.
  TextFromFile text = textFromFile(std::move(file.bytes));
  if (text.foreignCharactersKept) log(foreignCharactersKeptMessage(), LogMode::Line);
  takeList(std::move(text.text));
  showSource(path);
  if (isDirListing(path, fileList)) {
    fileList = convertDirListing(fileList);
    lineCount = static_cast<int64_t>(countCr(fileList));
  } else if (isFileNameListing(path, fileList)) {
    fileList = std::string(fileNameListingBody(fileList));
    lineCount = recountLines(fileList);
    removeTrailingBlanks("");
  }
  sortList("datei geladen", sortSetting());
}

void MainWindow::main_pst_Click() {
  std::optional<std::string> block = clipboardPaste(session_.platform, *this);
  if (!block) return;
  takeList(std::move(*block), true);
  showSource(cp("Eingefügt"));
  removeTrailingBlanks("ggfs ");
  sortList(cp("eingefügt"), sortSetting());
}

void MainWindow::main_neue_Click() {
  if (noDataCheck()) return;
  sortList("", sortSetting());
}

void MainWindow::removeTrailingBlanks(const std::string& prefix) {
  if (session_.settings[Setting::LeerzeichenBeimEinlesenEntfernen] != 1) return;
  log("..." + prefix + "leerzeichen am zeilenende entfernen...", LogMode::ShowProgress);
  BarProgress progress(PRBF, session_.platform);
  progress.setMaximum(lineCount);
  BlankRemoval removal = brimlet::removeTrailingBlanks(fileList, progress);
  if (!removal.text.empty()) fileList = std::move(removal.text);
  report(LogMode::HideProgress, removal.removed, "leerzeichen", " entfernt");
}

}  // namespace brimlet
