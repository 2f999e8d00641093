// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStringList>
#include <iostream>
#include <string>
#include <string_view>

#include "core/huge_pages.h"
#include "core/version.h"
#include "ui/desktop.h"
#include "ui/qt_translations.h"

namespace {

constexpr const char* kUsage =
    "usage: brimlet [--home DIR]\n"
    "       brimlet --version | --help\n"
    "  --home DIR  keep the settings and group files in DIR\n";

// Answers --help and --version, which must work without a display, hence
// before the application object exists. Returns whether it answered.
bool answeredWithoutWindows(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return true;
    }
    if (argument == "--version") {
      std::cout << "brimlet " << brimlet::kVersion << '\n';
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredWithoutWindows(argc, argv)) return 0;
  brimlet::restartWithHugePages(argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimlet"));
  QGuiApplication::setDesktopFileName(QStringLiteral("brimlet"));  // the desktop's icon and name
  // The theme's icon follows the desktop's look; the built-in one serves an
  // uninstalled build and desktops without the theme entry.
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("brimlet"), QIcon(QStringLiteral(":/brimlet.png"))));
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
