#include "lister/main_window.h"

#include "core/lines.h"
#include "core/log.h"
#include "core/number.h"

namespace brimlet {

MainWindow::MainWindow(Session& session, Desk& desk)
    : WindowModel("frm1", "Brimlet ", session.busy),
      zlog(addControl("zlog", ControlKind::LogBox, "")),
      STBF(addControl("STBF", ControlKind::StatusBar, "")),
      PRBF(addControl("PRBF", ControlKind::ProgressBar, "")),
      session_(session),
      desk_(desk) {
  addControl("main_quorvel", ControlKind::Button, "&Quorvel", "Werkzeuge");
  addControl("main_dremmick", ControlKind::Button, "&Dremmick", "Werkzeuge");
  addControl("main_close", ControlKind::Button, "&Beenden", "Programm");

  addHandler("frm1_Close", &MainWindow::frm1_Close);
  addHandler("main_quorvel_Click", &MainWindow::main_quorvel_Click);
  addHandler("main_dremmick_Click", &MainWindow::main_dremmick_Click);
  addHandler("main_close_Click", &MainWindow::main_close_Click);
}

void MainWindow::log(std::string_view message, int mode) {
  addLogLine(zlog, session_.platform.now(), message);
  if (mode == 1) {
    PRBF.setValue(0);
    PRBF.setVisible(true);
  } else if (mode == 2) {
    PRBF.setVisible(false);
  }
  refreshCounters();
}

bool MainWindow::noDataCheck() {
  if (!fileList.empty()) return false;
  log("keine daten geladen", 0);
  return true;
}

void MainWindow::refreshCounters() {
  STBF.setText("Geladen: " + decimal(static_cast<int64_t>(fileList.size())) +
               " Bytes ~~~ Bearbeitet: " + decimal(static_cast<int64_t>(processedList.size())) +
               " Bytes ~~~ Zeilen: " + decimal(processedLineCount));
}

void MainWindow::receiveList(const std::string& text) {
  fileList = text;
  if (fileList.find('\r') == std::string::npos) fileList += "\r\n";
  processedList = fileList;
  processedLineCount = static_cast<int64_t>(countCr(fileList));
  log("in brimlet kopiert +  + nicht sortiert", 0);
}

void MainWindow::frm1_Load() {
  PRBF.setVisible(false);
  STBF.setText("Keine Daten geladen");
}

void MainWindow::frm1_Close() { desk_.shutDown(); }

void MainWindow::main_quorvel_Click() { desk_.showTool(Tool::Workshop); }

void MainWindow::main_dremmick_Click() { desk_.showTool(Tool::Renamer); }

void MainWindow::main_close_Click() { desk_.endProgram(); }

}  // namespace brimlet
