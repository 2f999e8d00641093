#include "workshop/workshop.h"

#include "core/cp1252.h"
#include "core/log.h"
#include "core/number.h"

namespace brimlet {
namespace {

constexpr size_t kTitleNameLength = 59;

}  // namespace

Workshop::Workshop(Session& session, Desk& desk)
    : WindowModel("frm8", "Quorvel ", session.busy),
      clog(addControl("clog", ControlKind::LogBox, "")),
      STBC(addControl("STBC", ControlKind::StatusBar, "")),
      PRBC(addControl("PRBC", ControlKind::ProgressBar, "")),
      session_(session),
      desk_(desk) {
  addControl("qvl_undo", ControlKind::Button, "&Undo", "Speicher");
  addControl("qvl_memdel", ControlKind::Button, "Speicher &löschen", "Speicher");
  addControl("qvl_logdel", ControlKind::Button, "Log l&öschen", "Speicher");
  addControl("qvl_qfs", ControlKind::Button, "&Brimlet", "Wechseln");
  addControl("qvl_qzr", ControlKind::Button, "&Dremmick", "Wechseln");
  addControl("qvl_quit", ControlKind::Button, "B&eenden", "Wechseln");

  addHandler("frm8_Close", &Workshop::frm8_Close);
  addHandler("qvl_undo_Click", &Workshop::qvl_undo_Click);
  addHandler("qvl_memdel_Click", &Workshop::qvl_memdel_Click);
  addHandler("qvl_logdel_Click", &Workshop::qvl_logdel_Click);
  addHandler("qvl_qfs_Click", &Workshop::qvl_qfs_Click);
  addHandler("qvl_qzr_Click", &Workshop::qvl_qzr_Click);
  addHandler("qvl_quit_Click", &Workshop::qvl_quit_Click);
}

void Workshop::log(std::string_view message, int mode) {
  if (mode == 99) {
    clog.setText({});
  } else {
    addLogLine(clog, session_.platform.now(), message);
  }
  if (mode == 2) {
    PRBC.setMaximum(100);
    PRBC.setValue(0);
    PRBC.setVisible(true);
  } else if (mode == 3) {
    PRBC.setVisible(false);
  }
  STBC.setText("Daten: " + decimal(static_cast<int64_t>(workingText.size())) + " Bytes");
}

bool Workshop::noDataCheck() {
  if (!workingText.empty()) return false;
  log("keine daten geladen", 0);
  return true;
}

void Workshop::refreshTitle() {
  const std::string_view name = workingName;
  window().setText("Quorvel " + std::string(name.size() > kTitleNameLength
                                                ? name.substr(name.size() - kTitleNameLength)
                                                : name));
}

void Workshop::frm8_Load() {
  PRBC.setVisible(false);
  STBC.setText("Daten: " + decimal(static_cast<int64_t>(workingText.size())) + " Bytes");
  refreshTitle();
}

void Workshop::frm8_Close() {
  if (!session_.shuttingDown) qvl_qfs_Click();
}

void Workshop::qvl_undo_Click() {
  std::swap(workingText, undoCopy);
  log("undo", 0);
}

void Workshop::qvl_memdel_Click() {
  workingText.clear();
  undoCopy.clear();
  log(cp("Speicher gelöscht"), 0);
}

void Workshop::qvl_logdel_Click() { log({}, 99); }

void Workshop::qvl_qfs_Click() { desk_.showTool(Tool::Main); }

void Workshop::qvl_qzr_Click() { desk_.showTool(Tool::Renamer); }

void Workshop::qvl_quit_Click() { desk_.endProgram(); }

}  // namespace brimlet
