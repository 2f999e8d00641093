#include "renamer/renamer_window.h"

#include "core/log.h"

namespace brimlet {

RenamerWindow::RenamerWindow(Session& session, Desk& desk)
    : WindowModel("frm7", "Dremmick", session.busy),
      rlog(addControl("rlog", ControlKind::LogBox, "")),
      session_(session),
      desk_(desk) {
  addControl("drm_qfs", ControlKind::Button, "&Brimlet", "Wechseln");
  addControl("drm_qzc", ControlKind::Button, "&Quorvel", "Wechseln");
  addControl("drm_quit", ControlKind::Button, "B&eenden", "Wechseln");

  addHandler("frm7_Close", &RenamerWindow::frm7_Close);
  addHandler("drm_qfs_Click", &RenamerWindow::drm_qfs_Click);
  addHandler("drm_qzc_Click", &RenamerWindow::drm_qzc_Click);
  addHandler("drm_quit_Click", &RenamerWindow::drm_quit_Click);
}

void RenamerWindow::log(std::string_view message) {
  addLogLine(rlog, session_.platform.now(), message);
}

void RenamerWindow::takeNames(const std::string& text) {
  std::string names = text;
  if (!names.empty() && !names.ends_with("\r\n")) names += "\r\n";
  namesText = std::move(names);
}

void RenamerWindow::frm7_Close() {
  if (!session_.shuttingDown) drm_qfs_Click();
}

void RenamerWindow::drm_qfs_Click() { desk_.showTool(Tool::Main); }

void RenamerWindow::drm_qzc_Click() { desk_.showTool(Tool::Workshop); }

void RenamerWindow::drm_quit_Click() { desk_.endProgram(); }

}  // namespace brimlet
