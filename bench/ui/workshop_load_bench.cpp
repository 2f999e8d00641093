// SPDX-License-Identifier: GPL-3.0-or-later
// Loads a large file into the workshop as a drop does (the file dialog's
// own part is Qt's) and times what the user sees: the whole wait, the
// longest time the window went without a repaint, and how often the
// progress bar was seen meanwhile.
//   workshop_load_bench FILE
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "support/temp_folder.h"
#include "ui/desktop.h"

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "workshop_load_bench FILE\n");
    return 2;
  }
  brimlet::testing::TempFolder home;
  brimlet::Desktop desktop(home.path());
  desktop.start();
  qobject_cast<QAbstractButton*>(desktop.view("frm1").widgetOf("main_quorvel"))->click();
  QApplication::processEvents();
  brimlet::WindowView& workshop = desktop.view("frm8");
  const QWidget* bar = workshop.widgetOf("PRBC");

  // A timer only fires while events run: the longest gap between two of
  // its ticks is the longest time the window could not repaint.
  QElapsedTimer sinceTick;
  qint64 longestGap = 0;
  int ticks = 0;
  int ticksWithBar = 0;
  QTimer ticker;
  ticker.setInterval(5);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, sinceTick.restart());
    ++ticks;
    ticksWithBar += bar->isVisible() ? 1 : 0;
  });
  ticker.start();
  sinceTick.start();
  QElapsedTimer wall;
  wall.start();
  const std::clock_t cpuStart = std::clock();
  desktop.run(workshop.model(), "frm8_MessageProc", {argv[1]});
  const double seconds = static_cast<double>(wall.elapsed()) / 1000;
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  longestGap = std::max(longestGap, sinceTick.elapsed());

  std::printf("workshop load of %s (%zu bytes)\n", argv[1],
              desktop.program().workshop().working().text().size());
  std::printf("  whole wait:               %.3f s (processor %.3f s)\n", seconds, cpu);
  std::printf("  longest time unrepainted: %.3f s\n", static_cast<double>(longestGap) / 1000);
  std::printf("  event turns, bar seen:    %d, %d\n", ticks, ticksWithBar);
  std::printf("  bar hidden afterwards:    %s\n", bar->isVisible() ? "NO" : "yes");
  return 0;
}
