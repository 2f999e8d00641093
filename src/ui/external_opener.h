// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace brimlet {

// Hands files and addresses to the desktop's opener (xdg-open), which says
// by its exit status whether it found a program for them. The opener may
// run as long as the program it started, so its answer is awaited without
// blocking: it comes when the opener ends, or as soon as it has run long
// enough to show that a program was found.
class ExternalOpener {
 public:
  ExternalOpener() = default;
  ~ExternalOpener();
  ExternalOpener(const ExternalOpener&) = delete;
  ExternalOpener& operator=(const ExternalOpener&) = delete;

  // `outcome` is called once, from the event loop; `afterOutcome` after it.
  void open(const QString& target, std::function<void(bool opened)> outcome);

  // Called after each late answer, so the windows show what it logged.
  std::function<void()> afterOutcome;

 private:
  // The running openers; each deletes itself when it ends.
  QObject running_;
};

}  // namespace brimlet
