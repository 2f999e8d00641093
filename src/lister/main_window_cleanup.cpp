// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's clean-ups of the sorted list and its exchanges with the
// clipboard, the export folder and the workshop.
#include "app/choosers.h"
#include "core/bar_progress.h"
#include "core/clipboard.h"
#include "core/cp1252.h"
#include "lister/main_window.h"

namespace brimlet {

void MainWindow::cleanUp(Cleanup cleanup, std::string_view announcement, std::string_view noun) {
  if (noDataCheck()) return;
  log(announcement, LogMode::ShowProgress);
  BarProgress progress(PRBF, session_.platform);
  progress.setMaximum(buckets.total);
  takeRewrite(cleanUpBuckets(cleanup, bucketTexts(), progress), noun, " entfernt");
}

void MainWindow::main_remp_Click() { cleanUp(Cleanup::Paths, "...pfade entfernen...", "pfade"); }

void MainWindow::main_remx_Click() {
  cleanUp(Cleanup::Extensions, "...dateiendungen entfernen...", "dateiendungen");
}

void MainWindow::main_lze_Click() {
  cleanUp(Cleanup::TrailingBlanks, "...leerzeichen am zeilenende entfernen...", "leerzeichen");
}

void MainWindow::main_zfe_Click() {
  cleanUp(Cleanup::TrailingNumbers, "...zahlen am zeilenende entfernen...", "zahlen");
}

void MainWindow::main_cpy_Click() {
  // An empty list would still clear what the user had on the clipboard.
  if (processedList().empty()) {
    log("keine daten geladen", LogMode::Line);
    return;
  }
  if (putTextOnClipboard(session_.platform, *this, processedList())) {
    report(LogMode::Line, -1, "", "daten ins clipboard kopiert");
  }
}

void MainWindow::main_fld_Click() {
  const std::string folder = chooseFolder(session_, cp("Ordner zum Speichern auswählen"));
  exportFolder = folder == "Error" ? std::string() : folder;
}

void MainWindow::main_inqvl_Click() {
  if (noDataCheck()) return;
  desk_.handToWorkshop(fileList);
  log("in quorvel kopiert", LogMode::Line);
}

}  // namespace brimlet
