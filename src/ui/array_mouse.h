// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "ui/window_view.h"

namespace brimlet {

// The buttons of a control array ("pcb(3)") whose window has a
// `pcb_MouseDown` handler: a press with any mouse button runs that handler
// with the element's index, the button and, where the handler takes it,
// the shift state. The press goes no further, so a right click on such a
// button does not also open the window's context menu.
class ArrayMouse : public QObject {
 public:
  ArrayMouse(WindowView& view, HandlerRunner run);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WindowView& view_;
  HandlerRunner run_;
};

}  // namespace brimlet
