// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

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

}  // namespace
}  // namespace brimlet
