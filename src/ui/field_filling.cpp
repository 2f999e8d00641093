// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_filling.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "ui/codec.h"
#include "ui/text_field.h"

namespace brimlet {
namespace {

// While the field fills: Esc asks to stop, other input is dropped.
class InputHold final : public QObject {
 public:
  InputHold() { QApplication::instance()->installEventFilter(this); }
  ~InputHold() override { QApplication::instance()->removeEventFilter(this); }
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

  [[nodiscard]] bool stopAsked() const { return stopAsked_; }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) stopAsked_ = true;
        return true;
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Drop:
        return true;
      default:
        return false;
    }
  }

 private:
  bool stopAsked_ = false;
};

// A block per line costs the document about a kilobyte each and most of
// the time of the filling; a block of many lines is laid out whole when any
// of it is shown, which at this size is quick.
constexpr size_t kFillBlockChars = 4096;

// Where the piece from `start` ends: just after a line end, so no CR LF is
// split, or at the end of the text.
size_t pieceEnd(std::string_view text, size_t start, size_t pieceBytes) {
  if (text.size() - start <= pieceBytes) return text.size();
  const size_t lineFeed = text.find('\n', start + pieceBytes - 1);
  return lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
}

}  // namespace

bool fillField(QPlainTextEdit& edit, std::string_view text, QProgressBar& bar, size_t pieceBytes) {
  const InputHold hold;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bar.setRange(0, 1000);
  bar.setValue(0);
  bar.show();
  auto* document = new QTextDocument;
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setDefaultFont(edit.font());
  document->setUndoRedoEnabled(false);
  QTextCursor cursor(document);
  std::vector<int> blockLines;
  bool whole = true;
  for (size_t start = 0; start < text.size();) {
    const size_t end = pieceEnd(text, start, std::max<size_t>(pieceBytes, 1));
    cursor.insertText(toFieldBlocks(text.substr(start, end - start), kFillBlockChars, blockLines));
    start = end;
    bar.setValue(
        static_cast<int>(static_cast<double>(start) / static_cast<double>(text.size()) * 1000));
    QApplication::processEvents();
    if (hold.stopAsked()) {
      whole = false;
      break;
    }
  }
  if (whole) {
    document->setUndoRedoEnabled(true);
    const QPointer<QTextDocument> replaced = edit.document();
    document->setParent(&edit);
    edit.setDocument(document);
    rememberLineCounts(*document, blockLines);
    if (replaced != nullptr && replaced != document) replaced->deleteLater();
  } else {
    delete document;
  }
  bar.hide();
  QApplication::restoreOverrideCursor();
  return whole;
}

}  // namespace brimlet
