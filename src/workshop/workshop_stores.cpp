// The workshop's small stores beside the working text: the replace fields'
// presets, the park buffers and the private clipboard buffers.
#include "workshop/workshop.h"

namespace brimlet {

void Workshop::declareStores() {
  addControl("qvl_erst_e1", ControlKind::TextBox, "", "Ersetzen");
  addControl("qvl_erst_e2", ControlKind::TextBox, "", "Ersetzen");
}

}  // namespace brimlet
