// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <algorithm>
#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/window_model.h"

class QMouseEvent;
class QWidget;

namespace brimlet {

// Whether a handler needs what was typed into a text field taken into the
// model first. Handlers that only take the caret do not, which keeps caret
// moves in a large text from converting the whole text each time.
enum class TypedText { Take, Leave };

// Runs one handler of a window with its arguments; the desktop wraps every
// call so that the views are refreshed afterwards.
using HandlerRunner = std::function<void(WindowModel&, const std::string&,
                                         const std::vector<std::string>&, TypedText)>;

// Qt's key and mouse state in the codes the program's handlers take
// (`keys::` in core/window_model.h): Return and Enter are one key, letters
// and digits keep their ASCII codes; the shift state adds up 1 Shift,
// 2 Ctrl, 4 Alt; the buttons are 1 left, 2 right, 4 middle, 0 any other.
[[nodiscard]] int programKeyCode(int qtKey);
[[nodiscard]] int programShiftState(Qt::KeyboardModifiers modifiers);
[[nodiscard]] int programMouseButton(Qt::MouseButton button);
// A mouse handler's arguments: the button and the shift state.
[[nodiscard]] std::vector<std::string> mouseArguments(const QMouseEvent& event);

// A control and the widget that shows it. `cell` is what the layout holds
// when that is more than the widget (the widget with its label).
struct BoundControl {
  Control* control;
  QWidget* widget;
  QWidget* cell = nullptr;
  uint64_t revision = 0;  // of the control when last shown
};

// The widget bound to the control named `name`; nullptr when none is.
template <std::derived_from<BoundControl> Bound>
[[nodiscard]] QWidget* widgetNamed(const std::vector<Bound>& bound, const std::string& name) {
  const auto found = std::ranges::find_if(
      bound, [&name](const BoundControl& b) { return b.control->name() == name; });
  return found == bound.end() ? nullptr : found->widget;
}

// Shows the model's state of a control in a widget of the kinds that
// windows and dialogs share (buttons, fields, lists, bars, labels), and
// whether it is shown and usable.
void applyControl(BoundControl& bound);
// Only whether it is shown and usable, for a widget whose content the view
// fills its own way. A one-line field the model does not let the user edit
// stays readable instead of greyed.
void applyPresence(BoundControl& bound);

// What a window or dialog runs when the user acts on its controls.
class ControlBinding {
 public:
  ControlBinding(WindowModel& model, HandlerRunner run) : model_(model), run_(std::move(run)) {}

  // Runs `handler` if the model has one by that name; false when it has none.
  bool runIfPresent(const std::string& handler, const std::vector<std::string>& args = {},
                    TypedText typed = TypedText::Take) const;
  // Runs a control's handler for `event` ("_Click"); an element of a
  // control array runs the array's handler with its index
  // (`ed_e(3)`, "_Change" -> `ed_e_Change` 3).
  void runEvent(const std::string& control, const std::string& event) const;
  // Names the widget after its control and hands what the user does with
  // it (a click, a typed text, a choice) to the control and its handler.
  void bind(Control& control, QWidget& widget) const;

 private:
  WindowModel& model_;
  HandlerRunner run_;
};

}  // namespace brimlet
