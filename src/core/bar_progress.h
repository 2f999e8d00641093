// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/platform.h"
#include "core/progress.h"

namespace brimlet {

// Drives a window's progress bar and lets pending events run after every
// step; the platform keeps the pumping itself to a few dozen times a second.
// Every step is a cancel point.
class BarProgress final : public Progress {
 public:
  BarProgress(Control& bar, Platform& platform) : bar_(bar), platform_(platform) {}
  void setMaximum(int64_t maximum) override { bar_.setMaximum(maximum); }
  void setValue(int64_t value) override {
    bar_.setValue(value);
    platform_.pumpEventsOrCancel();
  }

 private:
  Control& bar_;
  Platform& platform_;
};

}  // namespace brimlet
