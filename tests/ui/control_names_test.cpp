// SPDX-License-Identifier: GPL-3.0-or-later
// What a keyboard user and a screen reader get from each window: one
// accelerator per letter, a name for every control, every page filled.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <map>

#include "desktop_fixture.h"

namespace brimlet {
namespace {

// The letter after a single "&", lower case; none for "&&" or no mark.
QChar acceleratorOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}

// Every accelerator of a window with the texts that carry it.
std::map<QChar, QStringList> accelerators(const QWidget& window) {
  std::map<QChar, QStringList> found;
  // The dialogs are children of the main window but have keys of their own.
  auto add = [&found, &window](const QWidget* widget, const QString& text) {
    const QChar letter = acceleratorOf(text);
    if (widget->window() == &window && !letter.isNull()) found[letter] << text;
  };
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    add(button, button->text());
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) add(label, label->text());
  }
  for (const QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) add(tabs, tabs->tabText(i));
  }
  return found;
}

class ControlNamesTest : public testing::DesktopFixture {
 protected:
  std::vector<std::pair<WindowModel*, QWidget*>> everyWindow() {
    std::vector<std::pair<WindowModel*, QWidget*>> windows;
    for (WindowModel* model : desktop.program().windows()) {
      windows.emplace_back(model, &desktop.view(model->form()));
    }
    for (WindowModel* model : desktop.program().dialogs()) {
      windows.emplace_back(model, &desktop.dialog(model->form()));
    }
    return windows;
  }
  QWidget* widgetOf(QWidget* window, const std::string& control) {
    if (auto* view = dynamic_cast<WindowView*>(window)) return view->widgetOf(control);
    return static_cast<DialogView*>(window)->widgetOf(control);
  }
};

TEST_F(ControlNamesTest, NoTwoControlsOfAWindowShareAnAccelerator) {
  for (const auto& [model, window] : everyWindow()) {
    for (const auto& [letter, texts] : accelerators(*window)) {
      EXPECT_EQ(texts.size(), 1) << model->form() << ": " << texts.join(", ").toStdString();
    }
  }
}

TEST_F(ControlNamesTest, EveryControlHasANameAScreenReaderReads) {
  for (const auto& [model, window] : everyWindow()) {
    for (const auto& control : model->controls()) {
      QWidget* widget = widgetOf(window, control->name());
      ASSERT_NE(widget, nullptr) << control->name();
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(accessible, nullptr) << control->name();
      EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
          << model->form() << " " << control->name();
    }
  }
}

TEST_F(ControlNamesTest, EveryWorkshopPageShowsFrames) {
  const auto* pages = desktop.view("frm8").findChild<QTabWidget*>(QStringLiteral("pages"));
  ASSERT_NE(pages, nullptr);
  for (int i = 0; i < pages->count(); ++i) {
    EXPECT_FALSE(pages->widget(i)->findChildren<QGroupBox*>().isEmpty())
        << pages->tabText(i).toStdString();
  }
}

}  // namespace
}  // namespace brimlet
