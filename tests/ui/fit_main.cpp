// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "fit_screen.h"

// The windows built on an offscreen screen of the size BRIMLET_TEST_SCREEN
// names ("1024x768"), as they would be on a laptop of that size.
int main(int argc, char** argv) {
  const QSize screen = brimlet::testing::testScreenSize();
  QTemporaryDir folder;
  const QString config = folder.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "laptop",
      "x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96,
      "dpr": 1}]})")
                 .arg(screen.width())
                 .arg(screen.height())
                 .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
