// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop window on the offscreen platform, driven as a person would:
// a file dropped onto it, an operation's button, undo, and the save dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "support/temp_folder.h"
#include "ui/desktop.h"

namespace brimlet {
namespace {

TEST(WorkshopView, DropOperateUndoAndSave) {
  testing::TempFolder home;
  home.write("brief.txt",
             "Sehr geehrte Frau M\xFCller\r\nGr\xFC\xDF"
             "e");
  Desktop desktop(home.path());
  desktop.start();
  auto click = [&desktop](const char* form, const char* control) {
    qobject_cast<QAbstractButton*>(desktop.view(form).widgetOf(control))->click();
  };
  click("frm1", "main_quorvel");
  Workshop& workshop = desktop.program().workshop();

  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(home.file("brief.txt")))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&desktop.view("frm8"), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&desktop.view("frm8"), &drop);
  EXPECT_EQ(workshop.working().text(),
            "Sehr geehrte Frau M\xFCller\r\nGr\xFC\xDF"
            "e\r\n")
      << workshop.clog.text();

  click("frm8", "qvl_ucse");
  EXPECT_EQ(workshop.working().text(),
            "SEHR GEEHRTE FRAU M\xDCLLER\r\nGR\xDC\xDF"
            "E\r\n");
  click("frm8", "qvl_undo");
  EXPECT_EQ(workshop.working().text(),
            "Sehr geehrte Frau M\xFCller\r\nGr\xFC\xDF"
            "e\r\n");

  const QString target = QString::fromStdString(home.file("gespeichert.txt"));
  QTimer::singleShot(0, [&target] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(target);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  click("frm8", "qvl_save");
  EXPECT_EQ(home.read("gespeichert.txt"),
            "Sehr geehrte Frau M\xFCller\r\nGr\xFC\xDF"
            "e\r\n");
  EXPECT_EQ(desktop.view("frm8").windowTitle().right(15), QStringLiteral("gespeichert.txt"));
}

}  // namespace
}  // namespace brimlet
