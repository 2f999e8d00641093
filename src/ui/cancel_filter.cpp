// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cancel_filter.h"

#include <QApplication>
#include <QKeyEvent>

namespace brimlet {

CancelFilter::CancelFilter(QtPlatform& platform) : platform_(platform) {
  QApplication::instance()->installEventFilter(this);
}

void CancelFilter::closeDeferredWindow() {
  if (QWidget* window = closing_) {
    closing_ = nullptr;
    window->close();
  }
}

bool CancelFilter::eventFilter(QObject* watched, QEvent* event) {
  if (!platform_.pumping()) return false;
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    platform_.requestCancel();
    return true;
  }
  auto* window = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::Close && window != nullptr && window->isWindow()) {
    // Closing now would run the window's close handler, which the running
    // one turns away; it is run once the operation has stopped.
    event->ignore();
    closing_ = window;
    platform_.requestCancel();
    return true;
  }
  return false;
}

}  // namespace brimlet
