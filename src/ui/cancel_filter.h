// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "ui/qt_platform.h"

namespace brimlet {

// Esc, or a window's close box, while a long operation lets events run:
// the operation is asked to stop at its next cancel point, and a window
// closed meanwhile closes once the data are back. At any other time both
// keep their usual meaning (Esc still closes a dialog a handler opened).
class CancelFilter final : public QObject {
 public:
  explicit CancelFilter(QtPlatform& platform);

  // Carries out the close that cancelled the last handler, if any.
  void closeDeferredWindow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QtPlatform& platform_;
  QPointer<QWidget> closing_;
};

}  // namespace brimlet
