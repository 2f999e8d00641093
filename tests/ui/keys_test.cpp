// SPDX-License-Identifier: GPL-3.0-or-later
// Real key presses on the offscreen windows: the program's key handlers get
// only the keys they act on, every other key does what the widget does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "desktop_fixture.h"
#include "ui/codec.h"

namespace brimlet {
namespace {

class KeysTest : public testing::DesktopFixture {
 protected:
  void showInDisplay(const std::string& text) {
    click("frm1", "main_quorvel");
    desktop.program().workshop().working().replace(text);
    click("frm8", "qvl_show");
  }
  // Real keys go to the focused widget of the active window.
  void focus(const std::string& form, const std::string& control) {
    QWidget& window = desktop.view(form);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    desktop.view(form).widgetOf(control)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), desktop.view(form).widgetOf(control));
  }
};

TEST_F(KeysTest, CtrlVInTheSortColumnFieldPastesThereAndLeavesTheWorkingTextAlone) {
  click("frm1", "main_quorvel");
  Workshop& workshop = desktop.program().workshop();
  workshop.working().replace("bleibt\r\n");
  QApplication::clipboard()->setText(QStringLiteral("12"));
  auto* column = widget<QLineEdit>("frm8", "qvl_srt_x");
  column->selectAll();
  QTest::keyClick(column, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(column->text(), QStringLiteral("12"));
  EXPECT_EQ(workshop.working().text(), "bleibt\r\n");

  // Outside a text field the window's own paste key still works.
  QTest::keyClick(widget<QWidget>("frm8", "qvl_undo"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(workshop.working().text(), "12\r\n");
}

TEST_F(KeysTest, AKeyNoTextFieldUsesStillReachesTheWindowFromAField) {
  click("frm1", "main_quorvel");
  ASSERT_FALSE(desktop.program().workshop().findControl("qvl_abf")->visible());
  QTest::keyClick(widget<QLineEdit>("frm8", "qvl_srt_x"), Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(desktop.program().workshop().findControl("qvl_abf")->visible());
}

TEST_F(KeysTest, CtrlCInTheDisplayFieldCopiesTheSelection) {
  showInDisplay("eins zwei\r\n");
  auto* field = widget<QPlainTextEdit>("frm4", "show_result");
  QTextCursor cursor = field->textCursor();
  cursor.setPosition(5);
  cursor.setPosition(9, QTextCursor::KeepAnchor);
  field->setTextCursor(cursor);
  QApplication::clipboard()->clear();
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("zwei"));
}

TEST_F(KeysTest, EnterInTheSearchFieldSearchesOnAndNeverTypesIntoTheText) {
  const QString text = QStringLiteral("eins und zwei und drei und");
  showInDisplay(fromQString(text) + "\r\n");
  QWidget& display = desktop.view("frm4");
  display.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&display));
  widget<QLineEdit>("frm4", "show_find")->setFocus();
  // Sent to the window, so each key goes wherever the focus is by then.
  auto press = [&display](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(display.windowHandle(), key, modifiers);
  };
  for (const Qt::Key letter : {Qt::Key_U, Qt::Key_N, Qt::Key_D}) press(letter);
  auto* field = widget<QPlainTextEdit>("frm4", "show_result");
  auto selection = [field] {
    const QTextCursor cursor = field->textCursor();
    return std::pair(cursor.selectionStart(), cursor.selectedText());
  };

  press(Qt::Key_Return);
  EXPECT_EQ(selection(), std::pair(5, QStringLiteral("und")));
  press(Qt::Key_Return);
  EXPECT_EQ(selection(), std::pair(14, QStringLiteral("und")));
  EXPECT_EQ(QApplication::focusWidget(), desktop.view("frm4").widgetOf("show_find"));
  press(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(selection(), std::pair(5, QStringLiteral("und")));

  EXPECT_EQ(field->toPlainText(), text + QLatin1Char('\n'));
  EXPECT_EQ(display.windowTitle(), QStringLiteral("Quorvel Anzeige "));  // not marked edited
}

TEST_F(KeysTest, EditingKeysWorkInTheDisplaySearchField) {
  showInDisplay("abc\r\n");
  auto* find = widget<QLineEdit>("frm4", "show_find");
  find->setText(QStringLiteral("xy"));
  QTest::keyClick(find, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(find, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(find->text(), QString());
  QTest::keyClick(find, Qt::Key_Z, Qt::ControlModifier);  // a hidden tool key too
  EXPECT_EQ(find->text(), QStringLiteral("xy"));
  find->selectAll();
  QTest::keyClick(find, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(find, Qt::Key_End);
  QTest::keyClick(find, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(find->text(), QStringLiteral("xyxy"));
}

// A key the focused field's own handler takes and the field has no use for
// goes on to its window, which must not run its handler for it once more.
TEST_F(KeysTest, ACtrlKeyInTheWorkshopLogActsOnce) {
  click("frm1", "main_quorvel");
  Workshop& workshop = desktop.program().workshop();
  QApplication::clipboard()->setText(QStringLiteral("neu"));
  focus("frm8", "clog");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(workshop.working().text(), "neu\r\n");
  const std::string& log = workshop.clog.text();
  const std::string pasted = "eingef\xFCgt";
  ASSERT_NE(log.find(pasted), std::string::npos);
  EXPECT_EQ(log.find(pasted), log.rfind(pasted)) << "pasted twice";
  const bool keptNul = workshop.keepNul;
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(workshop.keepNul, keptNul);
}

TEST_F(KeysTest, ToolKeysInTheDisplayFieldNeedTheWorkshopBehind) {
  desktop.program().main().fileList = "a.txt\r\n";
  click("frm1", "main_show");
  focus("frm4", "show_result");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_FALSE(desktop.program().display().findControl("show_email")->enabled());
}

TEST_F(KeysTest, EscInTheDisplayFieldBringsBackTheTool) {
  showInDisplay("eins\r\n");
  QTest::keyClick(widget<QPlainTextEdit>("frm4", "show_result"), Qt::Key_Escape);
  EXPECT_FALSE(desktop.view("frm4").isVisible());
  EXPECT_TRUE(desktop.view("frm8").isVisible());
}

}  // namespace
}  // namespace brimlet
