// SPDX-License-Identifier: GPL-3.0-or-later
// The display window's field on the offscreen platform: bytes, caret and the
// way back to the workshop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/cp1252.h"
#include "desktop_fixture.h"
#include "ui/codec.h"

namespace brimlet {
namespace {

TEST(FieldCodec, EveryByteButTheLineEndsSurvivesTheField) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  }
  bytes += "\r\nz\r\n";
  QPlainTextEdit edit;
  edit.setPlainText(toFieldText(bytes));
  EXPECT_EQ(fromFieldDocument(edit.document()->toRawText()), bytes);
  edit.setPlainText(toFieldText("a\rb\nc"));
  EXPECT_EQ(fromFieldDocument(edit.document()->toRawText()), "a\r\nb\r\nc");
}

using DisplayViewTest = testing::DesktopFixture;

TEST_F(DisplayViewTest, ShowSearchEditAndApplyBackToTheWorkshop) {
  click("frm1", "main_quorvel");
  desktop.program().workshop().working().replace(cp("eins\r\nzwei \xA0 drei\r\n"));
  desktop.program().workshop().working().replaceUndoCopy("alt\r\n");
  click("frm8", "qvl_show");
  ASSERT_TRUE(desktop.view("frm4").isVisible());
  auto* field = widget<QPlainTextEdit>("frm4", "show_result");
  EXPECT_EQ(field->toPlainText().left(4), QStringLiteral("eins"));

  auto* find = widget<QLineEdit>("frm4", "show_find");
  find->setFocus();
  find->setText(QString());
  find->insert(QStringLiteral("DREI"));  // typed, so the change handler runs
  click("frm4", "show_cont_f");
  EXPECT_EQ(field->textCursor().selectedText(), QStringLiteral("drei"));
  EXPECT_EQ(desktop.program().display().show_result.selectionStart(), 12);

  field->textCursor().insertText(QStringLiteral("DREI"));
  EXPECT_EQ(desktop.view("frm4").windowTitle(), QStringLiteral("Quorvel Anzeige * "));
  click("frm4", "show_ubn");
  EXPECT_EQ(desktop.program().workshop().working().text(), "eins\r\nzwei \xA0 DREI\r\n");
  EXPECT_EQ(desktop.program().workshop().working().undoCopy(), "alt\r\n");
  EXPECT_EQ(desktop.view("frm4").windowTitle(), QStringLiteral("Quorvel Anzeige "));
  field->textCursor().insertText(QStringLiteral("!"));  // edited again after applying
  EXPECT_EQ(desktop.view("frm4").windowTitle(), QStringLiteral("Quorvel Anzeige * "));

  click("frm8", "qvl_qfs");
  EXPECT_FALSE(desktop.view("frm4").isVisible());
}

// A text too large to be put in at once: Esc stops it, closing the window
// with nothing half shown and nothing marked as edited, and the next showing
// puts the whole text in again.
TEST_F(DisplayViewTest, EscWhileALargeTextIsPutInLeavesNothingHalfDone) {
  std::string text;
  for (int line = 0; text.size() < (5U << 20); ++line) {
    text += "Zeile " + std::to_string(line) + "\r\n";
  }
  click("frm1", "main_quorvel");
  desktop.program().workshop().working().replace(text);
  auto* field = widget<QPlainTextEdit>("frm4", "show_result");
  QApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  click("frm8", "qvl_show");
  QApplication::processEvents();
  EXPECT_FALSE(desktop.view("frm4").isVisible());
  EXPECT_TRUE(desktop.view("frm8").isVisible());
  EXPECT_TRUE(field->document()->isEmpty());
  EXPECT_EQ(desktop.program().workshop().working().text(), text);

  click("frm8", "qvl_show");
  ASSERT_TRUE(desktop.view("frm4").isVisible());
  EXPECT_EQ(fromFieldDocument(field->document()->toRawText()), text);
  EXPECT_FALSE(desktop.view("frm4").windowTitle().contains(QLatin1Char('*')));
  click("frm4", "show_ubn");
  EXPECT_EQ(desktop.program().workshop().working().text(), text);
}

}  // namespace
}  // namespace brimlet
