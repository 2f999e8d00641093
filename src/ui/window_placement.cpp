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
  if (tools_.contains(form) && toolSize_) window.resize(*toolSize_);
  // The frame's title bar and borders count only once the window manager
  // has framed the window; before that the inner size is all there is.
  const QSize decoration = window.frameGeometry().size() - window.size();
  QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
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
  if (tools_.contains(form)) toolSize_ = window.size();
}

}  // namespace brimlet
