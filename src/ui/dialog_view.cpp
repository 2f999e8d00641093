// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_view.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/control_array.h"
#include "ui/codec.h"
#include "ui/control_descriptions.h"
#include "ui/control_widgets.h"

namespace brimlet {

DialogView::DialogView(WindowModel& model, HandlerRunner run, QWidget* parent)
    : QDialog(parent), model_(model), binding_(model, std::move(run)) {
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
    describeWidget(*widget, model_.form(), *control);
    place(*control, widget);
    binding_.bind(*control, *widget);
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
  if (control.kind() == ControlKind::Button && !arrayElementOf(control.name())) {
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
  const std::optional<ArrayElement> element = arrayElementOf(control.name());
  if (!element) {
    column->addWidget(widget);
    return;
  }
  QGridLayout*& grid = grids_[frame];
  if (grid == nullptr) {
    grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    column->addLayout(grid);
  }
  const auto found =
      columns_.try_emplace(std::string(element->array), static_cast<int>(columns_.size())).first;
  grid->addWidget(widget, element->index, found->second);
  // The widest text field of a row takes the room the others leave.
  if (control.kind() == ControlKind::TextBox) grid->setColumnStretch(found->second, found->second);
}

QWidget* DialogView::widgetOf(const std::string& control) const {
  return widgetNamed(bound_, control);
}

void DialogView::sync() {
  for (BoundControl& b : bound_) {
    if (b.revision != b.control->revision()) applyControl(b);
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

void DialogView::closeEvent(QCloseEvent* event) {
  event->ignore();
  binding_.runIfPresent(model_.form() + "_Close");
}

// Escape closes the dialog as its close box does.
void DialogView::reject() { binding_.runIfPresent(model_.form() + "_Close"); }

}  // namespace brimlet
