// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <string>

#include "support/temp_folder.h"
#include "ui/desktop.h"

namespace brimlet::testing {

// The real windows, started on a fresh program folder, and their widgets
// found by control name.
class DesktopFixture : public ::testing::Test {
 protected:
  DesktopFixture() : desktop(home.path()) { desktop.start(); }

  template <class W>
  W* widget(const std::string& form, const std::string& control) {
    auto* w = qobject_cast<W*>(desktop.view(form).widgetOf(control));
    EXPECT_NE(w, nullptr) << control;
    return w;
  }
  void click(const std::string& form, const std::string& control) {
    widget<QAbstractButton>(form, control)->click();
  }

  TempFolder home;
  Desktop desktop;
};

}  // namespace brimlet::testing
