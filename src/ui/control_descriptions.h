// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "core/control.h"

namespace brimlet {

// What a person and a screen reader are told about a control beyond its
// caption: a label in front of a field that has no caption of its own, and
// a tooltip for a field whose syntax is not obvious.
struct ControlDescription {
  QString label;
  QString tip;
};

// The description of a control of `form`, empty for one that needs none.
// An element of a control array ("ed_e(3)") without an entry of its own
// takes its array's, with "%1" standing for its index.
[[nodiscard]] ControlDescription describeControl(const std::string& form, const std::string& name);

// "Spei&cher" -> "Speicher"; "&&" stays one "&".
[[nodiscard]] QString withoutAccelerator(const QString& caption);

// The name a screen reader reads: the label, else the caption without its
// accelerator mark, else the caption of the control's frame.
[[nodiscard]] QString accessibleNameOf(const std::string& form, const Control& control);

// Gives the widget of a control its tooltip and accessible name.
void describeWidget(QWidget& widget, const std::string& form, const Control& control);

}  // namespace brimlet
