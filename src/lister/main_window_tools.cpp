// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's work beside the list clean-ups: combining the files of
// a folder, the folder list, the drive-letter change, and the dialogs and
// pages it opens.
#include "app/choosers.h"
#include "app/help_page.h"
#include "core/bar_progress.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/number.h"
#include "lister/combine.h"
#include "lister/drive_letter.h"
#include "lister/folder_list.h"
#include "lister/main_window.h"

namespace brimlet {
namespace {

constexpr int kLeftButton = 1;
constexpr int kKeyT = 'T';

}  // namespace

// The folder the hidden quick combine works on; files put there are joined
// into "0.html" with Ctrl+T in the log and the button it reveals.
std::string MainWindow::fixedCombineFolder() const { return session_.programFolder + "kombi/"; }

bool MainWindow::combine(const std::string& folder, const std::string& name) {
  const Combination combination = combineFolder(folder, name);
  for (const std::string& path : combination.unreadable) {
    log("-fehler: datei " + path + " kann nicht gelesen werden", LogMode::Line);
  }
  switch (combination.status) {
    case CombineStatus::Written:
      log(decimal(combination.files) + " dateien verbunden in " + folder + name, LogMode::Line);
      return true;
    case CombineStatus::FolderUnreadable:
      log("-fehler: ordner nicht lesbar: " + folder, LogMode::Line);
      return false;
    case CombineStatus::BadName:
    case CombineStatus::WriteFailed:
      break;
  }
  logSaveFailure(folder + name);
  return false;
}

void MainWindow::main_komb_Click() {
  const std::string folder =
      chooseFolder(session_, cp("Ordner zum Dateien zusammenfügen auswählen"));
  if (folder.empty() || folder == "Error") return;
  const std::optional<std::string> name = session_.platform.inputBox(
      cp("Brimlet: Dateien zusammenfügen"),
      cp("Bitte Namen für kombinierte Datei eingeben, mit Extension"), "");
  if (!name || name->empty()) return;
  if (combine(folder, *name)) lastCombineFolder = folder;
}

void MainWindow::main_komb_MouseDown(int button, int shift) {
  if (button == kLeftButton || lastCombineFolder.empty()) return;
  const int item = session_.platform.popupMenu("Akt Verz, 0.txt|Akt. Verz. 0.html");
  if (item != 0 && item != 1) return;
  combine(shift > 1 ? fixedCombineFolder() : lastCombineFolder, item == 0 ? "0.txt" : "0.html");
}

void MainWindow::main_comb0_Click() { combine(fixedCombineFolder(), "0.html"); }

void MainWindow::zlog_KeyDown(int key, int shift) {
  if (key == kKeyT && shift == keys::kCtrl) findControl("main_comb0")->setVisible(true);
}

void MainWindow::main_foli_Click() {
  if (noDataCheck()) return;
  log("...ordnerliste erstellen...", LogMode::ShowProgress);
  BarProgress progress(PRBF, session_.platform);
  progress.setMaximum(buckets.total);
  takeRewrite(makeFolderList(bucketTexts(), progress), "ordner in ordnerliste", " erstellt");
}

void MainWindow::main_lwb_Click() {
  if (noDataCheck()) return;
  if (processedList().find(':') == std::string::npos) {
    log("keine laufwerksbuchstaben", LogMode::Line);
    return;
  }
  desk_.enableWindow(Tool::Main, false);
  driveLetters.open();
}

void MainWindow::changeDriveLetters(const std::string& prefix) {
  log(cp("...laufwerksbuchstaben ändern..."), LogMode::ShowProgress);
  BarProgress progress(PRBF, session_.platform);
  progress.setMaximum(buckets.total);
  takeRewrite(brimlet::changeDriveLetters(bucketTexts(), prefix, progress), "laufwerksbuchstaben",
              " ersetzt");
}

void MainWindow::main_end_Click() {
  desk_.enableWindow(Tool::Main, false);
  extensionEdit.open();
}

void MainWindow::main_set_Click() {
  desk_.enableWindow(Tool::Main, false);
  settingsDialog.open();
}

void MainWindow::main_about_Click() {
  desk_.enableWindow(Tool::Main, false);
  aboutBox.open();
}

void MainWindow::main_help_Click() {
  openHelpPage(session_, "brl",
               [this](bool, const std::string& logLine) { log(logLine, LogMode::Line); });
}

}  // namespace brimlet
