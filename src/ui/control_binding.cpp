// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "core/control_array.h"
#include "ui/codec.h"
#include "ui/list_view.h"

namespace brimlet {
namespace {

QStringList toQStrings(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& text : texts) list << toQString(text);
  return list;
}

// A list is refilled when any of its texts changed, not only its length:
// another folder's extensions may well be as many.
void applyItems(QComboBox& list, const Control& control) {
  const QStringList items = toQStrings(control.items());
  QStringList shown;
  for (int i = 0; i < list.count(); ++i) shown << list.itemText(i);
  if (shown != items) {
    list.clear();
    list.addItems(items);
  }
  list.setCurrentIndex(static_cast<int>(control.value()));
}

void applyContent(const Control& c, QWidget& w) {
  const QString text = toQString(c.text());
  if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
    button->setText(text);
    if (button->isCheckable()) button->setChecked(c.value() != 0);
  } else if (auto* line = qobject_cast<QLineEdit*>(&w)) {
    if (line->text() != text) line->setText(text);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(&w)) {
    if (edit->toPlainText() != text) edit->setPlainText(text);
  } else if (auto* list = qobject_cast<QComboBox*>(&w)) {
    applyItems(*list, c);
  } else if (auto* view = qobject_cast<QTreeWidget*>(&w)) {
    applyListView(*view, c);
  } else if (auto* bar = qobject_cast<QProgressBar*>(&w)) {
    const BarPosition position = barPosition(c.value(), c.maximum());
    bar->setMaximum(position.maximum);
    bar->setValue(position.value);
  } else if (auto* label = qobject_cast<QLabel*>(&w)) {
    label->setText(text);
  }
}

}  // namespace

int programKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kReturn;
    case Qt::Key_Escape:
      return keys::kEscape;
    default:
      return qtKey;
  }
}

int programShiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? keys::kShift : keys::kNone) |
         (modifiers & Qt::ControlModifier ? keys::kCtrl : keys::kNone) |
         (modifiers & Qt::AltModifier ? keys::kAlt : keys::kNone);
}

int programMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

std::vector<std::string> mouseArguments(const QMouseEvent& event) {
  return {std::to_string(programMouseButton(event.button())),
          std::to_string(programShiftState(event.modifiers()))};
}

void applyControl(BoundControl& bound) {
  const QSignalBlocker blocker(bound.widget);
  applyContent(*bound.control, *bound.widget);
  applyPresence(bound);
}

void applyPresence(BoundControl& bound) {
  const Control& c = *bound.control;
  bool enabled = c.enabled();
  if (auto* line = qobject_cast<QLineEdit*>(bound.widget)) {
    line->setReadOnly(!enabled);
    enabled = true;
  }
  bound.widget->setVisible(c.visible());
  if (bound.cell != nullptr) bound.cell->setVisible(c.visible());
  bound.widget->setEnabled(enabled);
  bound.revision = c.revision();
}

bool ControlBinding::runIfPresent(const std::string& handler, const std::vector<std::string>& args,
                                  TypedText typed) const {
  if (model_.findHandler(handler) == nullptr) return false;
  run_(model_, handler, args, typed);
  return true;
}

void ControlBinding::runEvent(const std::string& control, const std::string& event) const {
  if (const std::optional<ArrayElement> element = arrayElementOf(control)) {
    runIfPresent(std::string(element->array) + event, {std::to_string(element->index)});
  } else {
    runIfPresent(control + event, {});
  }
}

void ControlBinding::bind(Control& control, QWidget& widget) const {
  const std::string name = control.name();
  widget.setObjectName(QString::fromStdString(name));
  if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    QObject::connect(button, &QPushButton::clicked, button,
                     [this, name] { runEvent(name, "_Click"); });
  } else if (auto* box = qobject_cast<QAbstractButton*>(&widget)) {
    QObject::connect(box, &QAbstractButton::clicked, box, [this, &control, name](bool checked) {
      control.setValue(checked ? 1 : 0);
      runEvent(name, "_Click");
    });
  } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
    QObject::connect(line, &QLineEdit::textEdited, line,
                     [this, &control, name](const QString& text) {
                       control.setText(fromQString(text));
                       runEvent(name, "_Change");
                     });
  } else if (auto* list = qobject_cast<QComboBox*>(&widget)) {
    QObject::connect(list, &QComboBox::activated, list, [this, &control, name](int index) {
      control.setValue(index);
      runEvent(name, "_Click");
    });
  }
}

}  // namespace brimlet
