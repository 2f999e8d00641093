// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' place, size and language on the offscreen platform.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/codec.h"
#include "ui/qt_translations.h"
#include "ui/window_placement.h"

namespace brimlet {
namespace {

struct FitCase {
  QRect frame;
  QRect expected;
};

TEST(FittedInto, AFrameEndsUpWhollyOnTheScreen) {
  const QRect screen(0, 0, 1600, 1000);
  const FitCase cases[] = {
      {{100, 100, 800, 600}, {100, 100, 800, 600}},   // already on it
      {{100, 700, 800, 600}, {100, 400, 800, 600}},   // partly below
      {{-50, -20, 800, 600}, {0, 0, 800, 600}},       // above and left
      {{1500, 100, 800, 600}, {800, 100, 800, 600}},  // right
      {{10, 10, 2000, 1200}, {0, 0, 1600, 1000}},     // larger than the screen
  };
  for (const FitCase& c : cases) EXPECT_EQ(fittedInto(c.frame, screen), c.expected) << c.frame.y();
  EXPECT_EQ(fittedInto({0, 0, 100, 100}, {1600, 0, 1280, 1024}), QRect(1600, 0, 100, 100));
}

struct BarCase {
  int64_t value;
  int64_t maximum;
  int shownValue;
  int shownMaximum;
};

TEST(BarPosition, ValuesBeyond32BitsAreScaled) {
  constexpr int64_t kFiveGb = 5'000'000'000;
  const BarCase cases[] = {
      {50, 100, 50, 100},
      {0, 0, 0, 1},          // no maximum yet
      {150, 100, 100, 100},  // past the end
      {-3, 100, 0, 100},
      {2'147'483'647, 2'147'483'647, 2'147'483'647, 2'147'483'647},
      {kFiveGb, kFiveGb, 1'666'666'666, 1'666'666'666},
      {kFiveGb / 2, kFiveGb, 833'333'333, 1'666'666'666},
  };
  for (const BarCase& c : cases) {
    const BarPosition shown = barPosition(c.value, c.maximum);
    EXPECT_EQ(shown.value, c.shownValue) << c.value << "/" << c.maximum;
    EXPECT_EQ(shown.maximum, c.shownMaximum) << c.value << "/" << c.maximum;
  }
}

TEST(QtTranslations, QtsOwnDialogTextsAreGerman) {
  ASSERT_TRUE(installQtGermanTranslations(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
}

TEST(WindowPlacement, AWindowKeepsItsPlaceAndTheToolsShareTheirSize) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  WindowPlacement placement({"frm1", "frm8"});
  QWidget main;
  QWidget workshop;
  QWidget display;
  placement.restore(main, "frm1");
  main.show();
  main.resize(300, 200);
  main.move(screen.topLeft() + QPoint(20, 30));
  placement.remember(main, "frm1");
  main.hide();
  placement.restore(workshop, "frm8");
  EXPECT_EQ(workshop.size(), QSize(300, 200));
  placement.restore(display, "frm4");
  EXPECT_NE(display.size(), QSize(300, 200));  // not a tool

  main.move(screen.topLeft());
  placement.restore(main, "frm1");
  EXPECT_EQ(main.pos(), screen.topLeft() + QPoint(20, 30));
}

// The offscreen platform draws no frame, so the frame a window manager
// would add is the placement's assumed one, counted here explicitly.
const QSize kFrame(WindowPlacement::kAssumedFrameWidth, WindowPlacement::kAssumedFrameHeight);

QRect frameOf(const QWidget& window) { return {window.pos(), window.size() + kFrame}; }

TEST(WindowPlacement, AWindowLeftPartlyBelowTheScreenComesBackOnIt) {
  const QRect screen(0, 0, 1024, 768);
  WindowPlacement placement({});
  QWidget window;
  window.resize(200, 100);
  window.move(10, 750);
  placement.remember(window, "frm1");
  placement.restore(window, "frm1", screen);
  EXPECT_EQ(frameOf(window),
            QRect(QPoint(10, 768 - 100 - kFrame.height()), QSize(200, 100) + kFrame));
}

TEST(WindowPlacement, AWindowOpensCentredOnTheScreen) {
  const QRect screen(0, 30, 1366, 738);
  WindowPlacement placement({});
  QWidget window;
  window.resize(200, 100);
  placement.restore(window, "frm1", screen);
  EXPECT_EQ(frameOf(window).center(), screen.center());
}

}  // namespace
}  // namespace brimlet
