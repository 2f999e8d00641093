#include "display/display_window.h"

namespace brimlet {

DisplayWindow::DisplayWindow(Session& session)
    : WindowModel("frm4", "Anzeige ", session.busy),
      show_result(addControl("show_result", ControlKind::TextArea, "")) {}

void DisplayWindow::hide() {
  window().setVisible(false);
  show_result.setText({});
}

}  // namespace brimlet
