// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's dialogs on the offscreen platform: each opens over the
// disabled main window, follows its model and gives the window back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "support/temp_folder.h"
#include "ui/desktop.h"

namespace brimlet {
namespace {

class DialogViewTest : public ::testing::Test {
 protected:
  DialogViewTest() : desktop(home.path()) {
    home.write("Brimlet_edgs.txt", "Audio=.mp3+#\r\n");
    desktop.start();
  }
  void click(QWidget* widget) {
    ASSERT_NE(qobject_cast<QAbstractButton*>(widget), nullptr);
    qobject_cast<QAbstractButton*>(widget)->click();
  }
  void clickMain(const char* control) { click(desktop.view("frm1").widgetOf(control)); }
  QWidget* in(const char* form, const char* control) {
    return desktop.dialog(form).widgetOf(control);
  }
  void type(QWidget* field, const QString& text) {
    auto* line = qobject_cast<QLineEdit*>(field);
    ASSERT_NE(line, nullptr);
    line->setText(text);
    emit line->textEdited(text);
  }
  void expectOpen(const char* form) {
    EXPECT_TRUE(desktop.dialog(form).isVisible()) << form;
    EXPECT_FALSE(desktop.view("frm1").isEnabled()) << form;
  }
  void expectClosed(const char* form) {
    EXPECT_FALSE(desktop.dialog(form).isVisible()) << form;
    EXPECT_TRUE(desktop.view("frm1").isEnabled()) << form;
  }

  testing::TempFolder home;
  Desktop desktop;
};

TEST_F(DialogViewTest, ExtensionEditTurnsDirtyOnTypingAndCancels) {
  clickMain("main_end");
  expectOpen("frm2");
  EXPECT_EQ(qobject_cast<QLineEdit*>(in("frm2", "ed_t(0)"))->text(), QStringLiteral("Audio"));
  EXPECT_FALSE(in("frm2", "end_ok")->isEnabled());
  type(in("frm2", "ed_e(0)"), QStringLiteral(".wav+"));
  EXPECT_TRUE(in("frm2", "end_ok")->isEnabled());
  EXPECT_EQ(qobject_cast<QAbstractButton*>(in("frm2", "end_cc"))->text(),
            QStringLiteral("&Abbrechen"));
  click(in("frm2", "end_cc"));
  expectClosed("frm2");
  EXPECT_EQ(desktop.program().session().groups.groups[0].editedList, ".mp3+");
}

TEST_F(DialogViewTest, SettingsSortChoiceGreysTheGroupExports) {
  clickMain("main_set");
  expectOpen("frm3");
  EXPECT_TRUE(qobject_cast<QRadioButton*>(in("frm3", "set_o(0)"))->isChecked());
  EXPECT_TRUE(qobject_cast<QLineEdit*>(in("frm3", "set_datab"))->isReadOnly());
  click(in("frm3", "set_o(2)"));
  EXPECT_EQ(desktop.program().session().settings[Setting::Sortieren], 2);
  EXPECT_FALSE(desktop.view("frm1").widgetOf("main_fex_g")->isEnabled());
  desktop.dialog("frm3").close();
  expectClosed("frm3");
}

TEST_F(DialogViewTest, AboutBoxClosesWithEscape) {
  clickMain("main_about");
  expectOpen("frm5");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&desktop.dialog("frm5"), &escape);
  expectClosed("frm5");
}

TEST_F(DialogViewTest, DriveLettersTakeTheTypedPrefix) {
  MainWindow& main = desktop.program().main();
  main.fileList = "E:\\a.mp3\r\n";
  desktop.run(main, "main_neue_Click", {});
  clickMain("main_lwb");
  expectOpen("frm6");
  type(in("frm6", "lwb_ed"), QStringLiteral("F:"));
  click(in("frm6", "lwb_user"));
  expectClosed("frm6");
  EXPECT_EQ(main.processedList(), "F:\\a.mp3\r\n***\r\n");
}

// The frame's grid holds its shown controls only, row by row, so a hidden
// one leaves no gap; `control` is one of the frame's.
void expectFrameWithoutGap(const QWidget& control) {
  auto* grid = qobject_cast<QGridLayout*>(control.parentWidget()->layout());
  ASSERT_NE(grid, nullptr);
  for (int i = 0; i < grid->count(); ++i) {
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    grid->getItemPosition(i, &row, &column, &rows, &columns);
    EXPECT_EQ(row * grid->columnCount() + column, i);
    EXPECT_TRUE(grid->itemAt(i)->widget()->isVisibleTo(control.window()));
  }
}

TEST_F(DialogViewTest, CtrlTInTheLogShowsTheQuickCombine) {
  QWidget* combine = desktop.view("frm1").widgetOf("main_comb0");
  QWidget* log = desktop.view("frm1").widgetOf("zlog");
  expectFrameWithoutGap(*combine);
  QKeyEvent ctrlT(QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier, QStringLiteral("t"));
  QApplication::sendEvent(log, &ctrlT);
  EXPECT_TRUE(desktop.program().main().findControl("main_comb0")->visible());
  EXPECT_FALSE(combine->isHidden());
  EXPECT_EQ(combine->window(), &desktop.view("frm1"));
  EXPECT_GE(combine->parentWidget()->layout()->indexOf(combine), 0);
  expectFrameWithoutGap(*combine);
}

}  // namespace
}  // namespace brimlet
