// SPDX-License-Identifier: GPL-3.0-or-later
// File names crossing between the UTF-8 file system and the program's
// Windows-1252 text, through the real dialogs on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "desktop_fixture.h"

namespace brimlet {
namespace {

class FileNamesTest : public testing::DesktopFixture {
 protected:
  // Answers the file dialog the next click opens with `systemPath`.
  static void answerDialogWith(const std::string& systemPath) {
    QTimer::singleShot(0, [systemPath] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->selectFile(QString::fromStdString(systemPath));
      QMetaObject::invokeMethod(dialog, "accept");
    });
  }
};

// A CR inside a file name used to split its list line in two, so the
// renamer would have paired every later name with the wrong file.
TEST_F(FileNamesTest, AFolderIsListedInWindows1252WithOneLinePerName) {
  home.write(
      "liste/\xC3\x9C"
      "bersicht.png",
      "");
  home.write("liste/cr\rname.mp3", "");
  answerDialogWith(home.file("liste"));
  click("frm1", "main_dimp");
  const std::string folder = home.file("liste");
  const std::string& list = desktop.program().main().fileList;
  EXPECT_NE(list.find(folder + "/\xDC"
                               "bersicht.png\r\n"),
            std::string::npos)
      << list;
  EXPECT_NE(list.find(folder + "/cr?name.mp3\r\n"), std::string::npos) << list;
  EXPECT_EQ(desktop.view("frm1").windowTitle(), QString::fromUtf8("Brimlet " + folder));
}

TEST_F(FileNamesTest, ASaveUnderAnUmlautNameCreatesItsUtf8Name) {
  click("frm1", "main_quorvel");
  desktop.program().workshop().working().replace("Inhalt\r\n");
  answerDialogWith(
      home.file("Gr\xC3\xB6\xC3\x9F"
                "e.txt"));
  click("frm8", "qvl_save");
  EXPECT_EQ(home.read("Gr\xC3\xB6\xC3\x9F"
                      "e.txt"),
            "Inhalt\r\n");
  EXPECT_EQ(desktop.program().workshop().working().name(), home.file("Gr\xF6\xDF"
                                                                     "e.txt"));
}

TEST_F(FileNamesTest, AFileDroppedUnderAnUmlautNameLoads) {
  home.write(
      "\xC3\x9C"
      "bersicht.txt",
      "a\r\n");
  click("frm1", "main_quorvel");
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QFile::decodeName(home.file("\xC3\x9C"
                                                                 "bersicht.txt")
                                                           .c_str()))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&desktop.view("frm8"), &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&desktop.view("frm8"), &drop);
  EXPECT_EQ(desktop.program().workshop().working().text(), "a\r\n")
      << desktop.program().workshop().clog.text();
}

}  // namespace
}  // namespace brimlet
