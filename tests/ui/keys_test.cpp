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

namespace brimlet {
namespace {

class KeysTest : public testing::DesktopFixture {
 protected:
  void showInDisplay(const std::string& text) {
    click("frm1", "main_quorvel");
    desktop.program().workshop().working().replace(text);
    click("frm8", "qvl_show");
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

TEST_F(KeysTest, EnterInTheSearchFieldSearchesAndEscClosesTheDisplay) {
  showInDisplay("eins zwei drei zwei\r\n");
  auto* find = widget<QLineEdit>("frm4", "show_find");
  QTest::keyClicks(find, QStringLiteral("zwei"));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(desktop.program().display().show_result.selectionStart(), 5);
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(desktop.program().display().show_result.selectionStart(), 15);
  QTest::keyClick(widget<QPlainTextEdit>("frm4", "show_result"), Qt::Key_Escape);
  EXPECT_FALSE(desktop.view("frm4").isVisible());
  EXPECT_TRUE(desktop.view("frm8").isVisible());
}

}  // namespace
}  // namespace brimlet
