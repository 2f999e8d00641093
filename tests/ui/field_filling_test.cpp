// SPDX-License-Identifier: GPL-3.0-or-later
// A large text put into a field piece by piece ends up as the whole text
// put in at once would, and Esc leaves the field as it was.
#include "ui/field_filling.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "ui/codec.h"

namespace brimlet {
namespace {

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
      QPlainTextEdit whole;
      whole.setPlainText(toFieldText(text));
      EXPECT_EQ(edit.document()->toRawText(), whole.document()->toRawText())
          << text << " in pieces of " << piece;
      EXPECT_FALSE(bar.isVisible());
    }
  }
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
