// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/codec.h"
#include "ui/control_descriptions.h"
#include "ui/control_widgets.h"

namespace brimlet {
namespace {

// "ed_e(3)" -> {"ed_e", "3"}; a plain name has no index.
std::pair<std::string, std::string> splitElement(const std::string& name) {
  const size_t open = name.find('(');
  if (open == std::string::npos || name.back() != ')') return {name, {}};
  return {name.substr(0, open), name.substr(open + 1, name.size() - open - 2)};
}

}  // namespace

DialogView::DialogView(WindowModel& model, HandlerRunner run, QWidget* parent)
    : QDialog(parent), model_(model), run_(std::move(run)) {
  setObjectName(QString::fromStdString(model_.form()));
  setModal(true);
  setMinimumWidth(420);
  auto* root = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  buttons_ = new QHBoxLayout;
  root->addLayout(body_);
  root->addStretch(1);
  root->addLayout(buttons_);
  for (const auto& control : model_.controls()) {
    QWidget* widget = createWidget(*control);
    widget->setObjectName(QString::fromStdString(control->name()));
    describeWidget(*widget, model_.form(), *control);
    place(*control, widget);
    bind(*control, widget);
    bound_.push_back({control.get(), widget});
  }
  sync();
}

QWidget* DialogView::createWidget(Control& control) {
  if (QWidget* common = createCommonWidget(control)) return common;
  auto* label = new QLabel(toQString(control.text()));
  label->setWordWrap(true);
  return label;
}

void DialogView::place(const Control& control, QWidget* widget) {
  if (control.kind() == ControlKind::Button && splitElement(control.name()).second.empty()) {
    buttons_->addWidget(widget);
    return;
  }
  const std::string& frame = control.frame();
  QVBoxLayout*& column = frames_[frame];
  if (column == nullptr) {
    if (frame.empty()) {
      column = body_;
    } else {
      auto* box = new QGroupBox(toQString(frame));
      column = new QVBoxLayout(box);
      body_->addWidget(box);
    }
  }
  const auto [array, index] = splitElement(control.name());
  if (index.empty()) {
    column->addWidget(widget);
    return;
  }
  QGridLayout*& grid = grids_[frame];
  if (grid == nullptr) {
    grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    column->addLayout(grid);
  }
  const auto found = columns_.try_emplace(array, static_cast<int>(columns_.size())).first;
  grid->addWidget(widget, std::stoi(index), found->second);
  // The widest text field of a row takes the room the others leave.
  if (control.kind() == ControlKind::TextBox) grid->setColumnStretch(found->second, found->second);
}

void DialogView::bind(Control& control, QWidget* widget) {
  const std::string name = control.name();
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, name] { runHandler(name, "_Click"); });
  } else if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
    connect(box, &QAbstractButton::clicked, this, [this, &control, name](bool checked) {
      control.setValue(checked ? 1 : 0);
      runHandler(name, "_Click");
    });
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    connect(line, &QLineEdit::textEdited, this, [this, &control, name](const QString& text) {
      control.setText(fromQString(text));
      runHandler(name, "_Change");
    });
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    connect(list, &QComboBox::activated, this, [this, &control, name](int index) {
      control.setValue(index);
      runHandler(name, "_Click");
    });
  }
}

void DialogView::runHandler(const std::string& control, const std::string& event) {
  const auto [array, index] = splitElement(control);
  const std::string handler = array + event;
  if (model_.findHandler(handler) == nullptr) return;
  std::vector<std::string> args;
  if (!index.empty()) args.push_back(index);
  run_(model_, handler, args, TypedText::Take);
}

QWidget* DialogView::widgetOf(const std::string& control) const {
  for (const Bound& b : bound_) {
    if (b.control->name() == control) return b.widget;
  }
  return nullptr;
}

void DialogView::sync() {
  for (Bound& b : bound_) {
    if (b.revision != b.control->revision()) apply(b);
  }
  const Control& window = model_.window();
  if (windowRevision_ == window.revision()) return;
  windowRevision_ = window.revision();
  setWindowTitle(toQString(window.text()));
  setEnabled(window.enabled());
  if (window.visible() && !isVisible()) {
    adjustSize();
    show();
  } else if (!window.visible() && isVisible()) {
    hide();
  }
}

void DialogView::apply(Bound& bound) {
  const Control& c = *bound.control;
  QWidget* w = bound.widget;
  const QSignalBlocker blocker(w);
  const QString text = toQString(c.text());
  bool enabled = c.enabled();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(text);
    if (button->isCheckable()) button->setChecked(c.value() != 0);
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    if (line->text() != text) line->setText(text);
    // A field the model does not let the user edit stays readable.
    line->setReadOnly(!enabled);
    enabled = true;
  } else if (auto* list = qobject_cast<QComboBox*>(w)) {
    if (list->count() != static_cast<int>(c.items().size())) {
      list->clear();
      for (const std::string& item : c.items()) list->addItem(toQString(item));
    }
    list->setCurrentIndex(static_cast<int>(c.value()));
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(text);
  }
  w->setVisible(c.visible());
  w->setEnabled(enabled);
  bound.revision = c.revision();
}

void DialogView::closeEvent(QCloseEvent* event) {
  event->ignore();
  runHandler(model_.form(), "_Close");
}

// Escape closes the dialog as its close box does.
void DialogView::reject() { runHandler(model_.form(), "_Close"); }

}  // namespace brimlet
