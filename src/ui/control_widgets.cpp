// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/codec.h"

namespace brimlet {

QWidget* createCommonWidget(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Button:
      return new QPushButton(toQString(control.text()));
    case ControlKind::CheckBox:
      return new QCheckBox(toQString(control.text()));
    case ControlKind::OptionButton:
      return new QRadioButton(toQString(control.text()));
    case ControlKind::TextBox:
      return new QLineEdit;
    case ControlKind::DropDown:
      return new QComboBox;
    default:
      return nullptr;
  }
}

}  // namespace brimlet
