// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <vector>

class QTextDocument;

namespace brimlet {

// A large text sits in the document as blocks of many lines each, and the
// plain-text layout counts a block not yet laid out as one line. So that
// the scroll bar measures lines from the start, each block carries its line
// count as its user state; these put it where the layout reads it.
void rememberLineCounts(QTextDocument& document, const std::vector<int>& blockLines);
void restoreLineCounts(QTextDocument& document);

// A multi-line text field whose scroll bar keeps measuring lines after a
// resize, which makes the layout forget every count.
class TextField final : public QPlainTextEdit {
 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace brimlet
