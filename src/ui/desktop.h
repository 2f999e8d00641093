// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "program/program.h"
#include "ui/cancel_filter.h"
#include "ui/dialog_view.h"
#include "ui/qt_platform.h"
#include "ui/window_view.h"

namespace brimlet {

// The program on the real desktop: one Qt view per window model. Every
// handler a view starts runs through here, so all views mirror the models
// afterwards and the run ends when the program says so.
class Desktop {
 public:
  explicit Desktop(const std::string& homeOption);

  // Runs the start sequence and shows the start tool.
  void start();

  [[nodiscard]] Program& program() { return program_; }
  [[nodiscard]] WindowView& view(const std::string& form);
  [[nodiscard]] DialogView& dialog(const std::string& form);
  void syncAll();
  // Runs a handler as a user's action does: turned away while another
  // handler runs, the views mirroring the models afterwards.
  void run(WindowModel& window, const std::string& handler, const std::vector<std::string>& args,
           TypedText typed = TypedText::Take);

 private:
  void setBusy(bool busy);

  QtPlatform platform_;
  CancelFilter cancelFilter_{platform_};
  Program program_;
  WindowPlacement placement_;
  std::vector<std::unique_ptr<WindowView>> views_;
  std::vector<std::unique_ptr<DialogView>> dialogs_;
};

}  // namespace brimlet
