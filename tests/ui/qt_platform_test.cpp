// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace brimlet {
namespace {

TEST(QtClipboard, ABlockComesBackWholeWithWhatFollowsItsNul) {
  QtPlatform platform;
  const std::string block("a\r\n\xE4\0cd\r\n\0", 10);
  ASSERT_TRUE(platform.writeClipboard(block));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a\n\u00E4"));
  const ClipboardRead read = platform.readClipboard();
  EXPECT_EQ(read.status, ClipboardStatus::Ok);
  EXPECT_EQ(read.block, block);
}

TEST(QtClipboard, ForeignTextGetsItsNulAndNoTextIsReported) {
  QtPlatform platform;
  QApplication::clipboard()->setText(QStringLiteral("x\u00FC\ny\nz"));
  EXPECT_EQ(platform.readClipboard().block, std::string("x\xFC\r\ny\r\nz\0", 9));
  ASSERT_TRUE(platform.clearClipboard());
  EXPECT_EQ(platform.readClipboard().status, ClipboardStatus::NoText);
}

// A question warns before something is done: Enter must not agree to it.
TEST(QtMessageBox, EnterCancelsAQuestion) {
  QtPlatform platform;
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_FALSE(platform.confirm("Dremmick", "Trotzdem fortfahren?"));
}

}  // namespace
}  // namespace brimlet
