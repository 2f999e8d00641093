#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "ui/qt_platform.h"

namespace brimlet {
namespace {

TEST(QtClipboard, ABlockComesBackWholeWithWhatFollowsItsNul) {
  QtPlatform platform;
  const std::string block("ab\0cd\xE4\0", 7);
  ASSERT_TRUE(platform.writeClipboard(block));
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ab"));
  const ClipboardRead read = platform.readClipboard();
  EXPECT_EQ(read.status, ClipboardStatus::Ok);
  EXPECT_EQ(read.block, block);
}

TEST(QtClipboard, ForeignTextGetsItsNulAndNoTextIsReported) {
  QtPlatform platform;
  QApplication::clipboard()->setText(QStringLiteral("x\u00FC"));
  EXPECT_EQ(platform.readClipboard().block, std::string("x\xFC\0", 3));
  ASSERT_TRUE(platform.clearClipboard());
  EXPECT_EQ(platform.readClipboard().status, ClipboardStatus::NoText);
}

}  // namespace
}  // namespace brimlet
