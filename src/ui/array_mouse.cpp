// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/array_mouse.h"

#include <QMouseEvent>

namespace brimlet {
namespace {

// "pcb(3)" -> `pcb_MouseDown`; anything but an element gives no handler.
std::string mouseHandlerOf(const ElementName& element) {
  return element.index.empty() ? std::string() : element.array + "_MouseDown";
}

}  // namespace

ArrayMouse::ArrayMouse(WindowView& view, HandlerRunner run)
    : QObject(&view), view_(view), run_(std::move(run)) {
  for (const auto& control : view.model().controls()) {
    const Handler* handler =
        view.model().findHandler(mouseHandlerOf(splitElement(control->name())));
    if (handler == nullptr || handler->parameters.size() < 2) continue;
    if (QWidget* widget = view.widgetOf(control->name())) widget->installEventFilter(this);
  }
}

bool ArrayMouse::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
    return false;
  }
  const ElementName element = splitElement(watched->objectName().toStdString());
  const Handler* handler = view_.model().findHandler(mouseHandlerOf(element));
  if (handler == nullptr) return false;
  std::vector<std::string> args = mouseArguments(*static_cast<QMouseEvent*>(event));
  args.insert(args.begin(), element.index);
  // A handler without a shift parameter takes the index and the button.
  args.resize(std::min(args.size(), handler->parameters.size()));
  run_(view_.model(), handler->name, args, TypedText::Take);
  return true;
}

}  // namespace brimlet
