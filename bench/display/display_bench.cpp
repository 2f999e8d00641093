// SPDX-License-Identifier: GPL-3.0-or-later
// Times what a user waits for with a large text in the display window:
// showing it, applying an edit back to the workshop, searching through it.
//   display_bench [MEGABYTES]   (default 20)
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "support/temp_folder.h"
#include "ui/desktop.h"

namespace {

using brimlet::Desktop;

// German-like lines of 0 to 120 bytes with Windows-1252 umlauts, CR LF.
std::string corpus(size_t bytes) {
  // clang-format off
  static const char* const words[] = {"und", "der", "Stra\xDF" "e", "M\xFC" "ller", "\xC4pfel",
                                      "gr\xFC\xDF" "en", "Haus", "B\xE4ume", "\xFC" "ber", "Zeit"};
  // clang-format on
  std::mt19937 random(7);
  std::string text;
  text.reserve(bytes + 128);
  while (text.size() < bytes) {
    const size_t length = random() % 121;
    std::string line;
    while (line.size() < length) {
      line += words[random() % 10];
      line += ' ';
    }
    line.resize(length);
    text += line;
    text += "\r\n";
  }
  return text;
}

double bestSeconds(int runs, const std::function<void()>& prepare,
                   const std::function<void()>& job) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    job();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

void click(Desktop& desktop, const char* form, const char* control) {
  qobject_cast<QAbstractButton*>(desktop.view(form).widgetOf(control))->click();
  QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  const size_t megabytes = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 20;
  brimlet::testing::TempFolder home;
  Desktop desktop(home.path());
  desktop.start();
  click(desktop, "frm1", "main_quorvel");
  const std::string text = corpus(megabytes * 1000 * 1000);
  auto* field = qobject_cast<QPlainTextEdit*>(desktop.view("frm4").widgetOf("show_result"));

  const double show = bestSeconds(
      3,
      [&] {
        click(desktop, "frm4", "show_cls");
        desktop.program().workshop().working().replace(text);
      },
      [&] { click(desktop, "frm8", "qvl_show"); });
  // The first key typed marks the window as edited; applying then takes
  // the whole text back from the field.
  const double apply = bestSeconds(
      3, [] {},
      [&] {
        QTextCursor cursor(field->document());
        cursor.insertText(QStringLiteral("x"));
        click(desktop, "frm4", "show_ubn");
      });
  // Keys typed after the first one only move the caret as far as the model
  // is concerned, so they must not cost a pass over the text.
  const double typing = bestSeconds(
      3, [] {},
      [&] {
        QTextCursor cursor(field->document());
        for (int key = 0; key < 10; ++key) {
          cursor.insertText(QStringLiteral("y"));
          field->setTextCursor(cursor);
          QApplication::processEvents();
        }
      });
  auto* find = qobject_cast<QLineEdit*>(desktop.view("frm4").widgetOf("show_find"));
  find->setFocus();
  find->selectAll();
  find->insert(QStringLiteral("nirgendwo zu finden"));
  const double miss = bestSeconds(
      3, [] {}, [&] { click(desktop, "frm4", "show_cont_f"); });

  std::printf("display window, %zu MB text (%zu bytes)\n", megabytes, text.size());
  std::printf("  show working text:       %.3f s\n", show);
  std::printf("  type a key, apply back:  %.3f s\n", apply);
  std::printf("  ten more keys typed:     %.3f s\n", typing);
  std::printf("  forward search, no hit:  %.3f s\n", miss);
  std::printf(
      "  applied text intact:     %s\n",
      desktop.program().workshop().working().text() == std::string(3, 'x') + text ? "yes" : "NO");
  return 0;
}
