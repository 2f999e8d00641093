// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/array_mouse.h"

#include <QMouseEvent>
#include <optional>

#include "core/control_array.h"

namespace brimlet {
namespace {

struct Element {
  std::string handler;
  int index = 0;
};

// "pcb(3)" -> "pcb_MouseDown", 3; anything else gives no handler.
Element elementOf(const std::string& name) {
  const std::optional<ArrayElement> element = arrayElementOf(name);
  if (!element) return {};
  return {std::string(element->array) + "_MouseDown", element->index};
}

}  // namespace

ArrayMouse::ArrayMouse(WindowView& view, HandlerRunner run)
    : QObject(&view), view_(view), run_(std::move(run)) {
  for (const auto& control : view.model().controls()) {
    const Handler* handler = view.model().findHandler(elementOf(control->name()).handler);
    if (handler == nullptr || handler->parameters.size() < 2) continue;
    if (QWidget* widget = view.widgetOf(control->name())) widget->installEventFilter(this);
  }
}

bool ArrayMouse::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const Element element = elementOf(watched->objectName().toStdString());
  const Handler* handler = view_.model().findHandler(element.handler);
  if (handler == nullptr) return false;
  std::vector<std::string> args = mouseArguments(*mouse);
  args.insert(args.begin(), std::to_string(element.index));
  // A handler without a shift parameter takes the index and the button.
  args.resize(std::min(args.size(), handler->parameters.size()));
  run_(view_.model(), element.handler, args, TypedText::Take);
  return true;
}

}  // namespace brimlet
