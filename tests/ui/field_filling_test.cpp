// SPDX-License-Identifier: GPL-3.0-or-later
// A large text put into a field piece by piece ends up as the whole text
// put in at once would, and Esc leaves the field as it was.
#include "ui/field_filling.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/codec.h"
#include "ui/text_field.h"

namespace brimlet {
namespace {

// What the field gives back: every line end CR LF.
std::string withCrLf(const std::string& text) {
  QPlainTextEdit whole;
  whole.setPlainText(toFieldText(text));
  return fromFieldDocument(whole.document()->toRawText());
}

TEST(FieldFilling, PiecesJoinIntoTheSameTextWhereverTheyAreCut) {
  const std::string texts[] = {
      "eins\r\nzwei\r\ndrei\r\n",      // CR LF at every piece size
      "a\rb\nc\r\n\r\nd",              // lone CR, lone LF, empty line, no final line end
      std::string(50, 'x') + "\r\n",   // one line longer than a piece
      "\xE4\xF6\xFC\r\n\x80\x81\r\n",  // bytes beyond ASCII
      "",
  };
  for (const std::string& text : texts) {
    for (const size_t piece : {1, 2, 3, 7, 1000}) {
      QPlainTextEdit edit;
      QProgressBar bar;
      ASSERT_TRUE(fillField(edit, text, bar, piece));
      EXPECT_EQ(fromFieldDocument(edit.document()->toRawText()), withCrLf(text))
          << text << " in pieces of " << piece;
      EXPECT_FALSE(bar.isVisible());
    }
  }
}

// Lines share blocks, yet the scroll bar counts lines, after a resize too,
// and a click shows where in the text it lands.
TEST(FieldFilling, ManyLinesABlockStillScrollAndEditAsLines) {
  std::string text;
  for (int line = 0; line < 20000; ++line) text += "Zeile " + std::to_string(line) + "\r\n";
  TextField edit;
  edit.setLineWrapMode(QPlainTextEdit::NoWrap);
  edit.resize(400, 300);
  edit.show();
  QProgressBar bar;
  ASSERT_TRUE(fillField(edit, text, bar, 10000));
  ASSERT_LT(edit.document()->blockCount(), 1000);
  const int lines = 20001;  // the empty one after the last line end too
  EXPECT_EQ(edit.document()->lineCount(), lines);
  edit.resize(300, 300);
  QApplication::processEvents();
  EXPECT_EQ(edit.document()->lineCount(), lines);
  EXPECT_GT(edit.verticalScrollBar()->maximum(), lines - 100);

  QTextCursor cursor(edit.document());
  cursor.setPosition(static_cast<int>(text.find("Zeile 15000")) - 15000);  // CR LF is one character
  cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
  EXPECT_EQ(cursor.selectedText(), QStringLiteral("Zeile 15000"));
  cursor.insertText(QStringLiteral("neu"));
  std::string edited = text;
  edited.replace(text.find("Zeile 15000"), 11, "neu");
  EXPECT_EQ(fromFieldDocument(edit.document()->toRawText()), edited);
}

TEST(FieldFilling, EscStopsAndKeepsWhatTheFieldShowed) {
  QPlainTextEdit edit;
  edit.setPlainText(QStringLiteral("vorher"));
  QProgressBar bar;
  QApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(fillField(edit, "eins\r\nzwei\r\ndrei\r\n", bar, 4));
  EXPECT_EQ(edit.toPlainText(), QStringLiteral("vorher"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace brimlet
