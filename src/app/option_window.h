// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/settings.h"
#include "core/window_model.h"

namespace brimlet {

// A tool window with options: check boxes that stand for settings.
class OptionWindow : public WindowModel {
 protected:
  OptionWindow(std::string form, std::string_view title, BusyGuard& busy, Settings& settings);

  // A check box whose _Click copies its state into its setting, the whole
  // job of an option; the operations read the setting.
  void addOption(const std::string& name, std::string_view caption, std::string_view frame);

 private:
  Settings& settings_;
};

}  // namespace brimlet
