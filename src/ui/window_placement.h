// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <map>
#include <optional>
#include <set>
#include <string>

class QWidget;

namespace brimlet {

// Where the windows appear. Each keeps the place the user gave it for the
// rest of the run, the tool windows (one visible at a time) share one size,
// so a switch does not jump, and no window opens partly off the screen.
class WindowPlacement {
 public:
  // Borders and title bar of a window before any was framed: more than
  // the usual window managers draw.
  static constexpr int kAssumedFrameWidth = 12;
  static constexpr int kAssumedFrameHeight = 40;

  explicit WindowPlacement(std::set<std::string> toolForms) : tools_(std::move(toolForms)) {}

  // The tools' size until the user gives them one: room for the largest.
  void shareToolSize(QSize size) { toolSize_ = size; }
  // Before a hidden window is shown: its last place and the shared size,
  // fitted onto the screen it will appear on.
  void restore(QWidget& window, const std::string& form);
  // The same onto a given work area (the screen without its panels).
  void restore(QWidget& window, const std::string& form, const QRect& available);
  // Before a shown window is hidden: what the user made of it.
  void remember(const QWidget& window, const std::string& form);

 private:
  std::set<std::string> tools_;
  std::optional<QSize> toolSize_;
  std::map<std::string, QPoint> places_;
  QSize decoration_{kAssumedFrameWidth, kAssumedFrameHeight};
};

// A window's frame moved and, where it is larger, shrunk into `available`.
[[nodiscard]] QRect fittedInto(QRect frame, const QRect& available);

}  // namespace brimlet
