// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "core/control.h"

namespace brimlet {

// The widget of a control that windows and dialogs build alike (buttons,
// check boxes, options, one-line fields, drop-down lists); nullptr for the
// kinds each view builds its own way.
[[nodiscard]] QWidget* createCommonWidget(const Control& control);

}  // namespace brimlet
