// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons of the workshop's control arrays take left and right clicks
// with their modifier keys, and a right click opens no context menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>

#include "support/temp_folder.h"
#include "ui/desktop.h"

namespace brimlet {
namespace {

void press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers keys = Qt::NoModifier) {
  ASSERT_NE(widget, nullptr);
  QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                    button, button, keys);
  QApplication::sendEvent(widget, &event);
}

class ArrayMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.start();
    desktop.program().showTool(Tool::Workshop);
    desktop.syncAll();
  }
  testing::TempFolder home;
  Desktop desktop{home.path()};
};

TEST_F(ArrayMouse, PresetButtonsTakeAndFillTheReplaceFields) {
  WindowView& view = desktop.view("frm8");
  auto* second = qobject_cast<QLineEdit*>(view.widgetOf("qvl_erst_e2"));
  ASSERT_NE(second, nullptr);
  second->setText("neu");
  Q_EMIT second->textEdited("neu");

  const std::string& preset = desktop.program().session().settings.remembered.replacePresets[1];
  press(view.widgetOf("perb(5)"), Qt::RightButton);
  EXPECT_EQ(preset, "neu");
  press(view.widgetOf("perb(2)"), Qt::LeftButton);
  EXPECT_EQ(qobject_cast<QLineEdit*>(view.widgetOf("qvl_erst_e1"))->text(), QStringLiteral("neu"));
  press(view.widgetOf("perb(2)"), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(preset, "");
}

TEST_F(ArrayMouse, ParkListRunsItsCommand) {
  Workshop& workshop = desktop.program().workshop();
  workshop.working().replace("text\r\n");
  auto* list = qobject_cast<QComboBox*>(desktop.view("frm8").widgetOf("qvl_parkb1"));
  ASSERT_NE(list, nullptr);
  Q_EMIT list->activated(0);
  EXPECT_EQ(list->count(), 4);
  EXPECT_EQ(workshop.parkBuffers[0], "text\r\n");
  press(desktop.view("frm8").widgetOf("pcb(3)"), Qt::RightButton);
  EXPECT_NE(workshop.clog.text().find("Kein Inhalt in pcb3"), std::string::npos);
}

}  // namespace
}  // namespace brimlet
