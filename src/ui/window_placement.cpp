// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace brimlet {

QRect fittedInto(QRect frame, const QRect& available) {
  frame.setWidth(std::min(frame.width(), available.width()));
  frame.setHeight(std::min(frame.height(), available.height()));
  const int x = std::clamp(frame.x(), available.left(), available.right() - frame.width() + 1);
  const int y = std::clamp(frame.y(), available.top(), available.bottom() - frame.height() + 1);
  frame.moveTo(x, y);
  return frame;
}

void WindowPlacement::restore(QWidget& window, const std::string& form) {
  QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  restore(window, form, screen->availableGeometry());
}

void WindowPlacement::restore(QWidget& window, const std::string& form, const QRect& available) {
  if (tools_.contains(form) && toolSize_) window.resize(*toolSize_);
  // The title bar and borders are known only once the window manager has
  // framed a window; until then those of the windows framed before, or a
  // generous guess, so that no title bar ends up above the screen.
  const QSize framed = window.frameGeometry().size() - window.size();
  if (!framed.isNull()) decoration_ = framed;
  const QSize decoration = decoration_;
  QRect frame(QPoint(), window.size() + decoration);
  if (const auto place = places_.find(form); place != places_.end()) {
    frame.moveTopLeft(place->second);
  } else {
    frame.moveCenter(available.center());
  }
  const QRect fitted = fittedInto(frame, available);
  window.resize(fitted.size() - decoration);
  window.move(fitted.topLeft());
}

void WindowPlacement::remember(const QWidget& window, const std::string& form) {
  places_[form] = window.pos();
  const QSize framed = window.frameGeometry().size() - window.size();
  if (!framed.isNull()) decoration_ = framed;
  if (tools_.contains(form)) toolSize_ = window.size();
}

}  // namespace brimlet
