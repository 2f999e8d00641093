// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

#include "core/control.h"

namespace brimlet {

// A report-style list: one column per header, one line per row, marked rows
// tinted and flagged with a warning sign so they stand out in a long list.
[[nodiscard]] QTreeWidget* createListView();
void applyListView(QTreeWidget& view, const Control& control);

}  // namespace brimlet
