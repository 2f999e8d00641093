// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/option_window.h"

#include <utility>

namespace brimlet {

OptionWindow::OptionWindow(std::string form, std::string_view title, BusyGuard& busy,
                           Settings& settings)
    : WindowModel(std::move(form), title, busy), settings_(settings) {}

void OptionWindow::addOption(const std::string& name, std::string_view caption,
                             std::string_view frame) {
  Control& box = addControl(name, ControlKind::CheckBox, caption, frame);
  addHandler(name + "_Click", [this, &box] { storeOption(settings_, box); });
}

}  // namespace brimlet
