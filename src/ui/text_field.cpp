// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_field.h"

#include <QAbstractTextDocumentLayout>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace brimlet {

void rememberLineCounts(QTextDocument& document, const std::vector<int>& blockLines) {
  QTextBlock block = document.firstBlock();
  for (const int lines : blockLines) {
    if (!block.isValid()) break;
    block.setUserState(lines);
    block = block.next();
  }
  restoreLineCounts(document);
}

void restoreLineCounts(QTextDocument& document) {
  bool changed = false;
  for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
    // A block laid out knows its lines; one edited since may have fewer or
    // more than remembered, which its layout sets right once it is shown.
    if (block.userState() > 1 && block.layout()->lineCount() == 0) {
      block.setLineCount(block.userState());
      changed = true;
    }
  }
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (changed) emit layout->documentSizeChanged(layout->documentSize());
}

void TextField::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  if (event->oldSize().width() != event->size().width()) restoreLineCounts(*document());
}

}  // namespace brimlet
