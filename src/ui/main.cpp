// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QStringList>
#include <iostream>
#include <string>
#include <string_view>

#include "core/huge_pages.h"
#include "ui/desktop.h"
#include "ui/qt_translations.h"

namespace {

constexpr const char* kUsage = "usage: brimlet [--home DIR]\n";

}  // namespace

int main(int argc, char** argv) {
  // Before the application object, which needs a display.
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  brimlet::restartWithHugePages(argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimlet"));
  QGuiApplication::setDesktopFileName(QStringLiteral("brimlet"));  // the desktop's icon and name
  QApplication::setQuitOnLastWindowClosed(false);  // hidden tool windows are not the end
  if (!brimlet::installQtGermanTranslations(application)) {
    std::cerr << "brimlet: Qt's German translations are missing; its dialogs speak English\n";
  }

  std::string home;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--home") && i + 1 < arguments.size()) {
      home = QFile::encodeName(arguments[++i]).toStdString();
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }

  brimlet::Desktop desktop(home);
  desktop.start();
  if (desktop.program().ended()) return 0;
  return QApplication::exec();
}
