// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_model.h"

#include <gtest/gtest.h>

namespace brimlet {
namespace {

// A window whose handler pretends to pump events: another handler started
// meanwhile must not run.
class TestWindow : public WindowModel {
 public:
  explicit TestWindow(BusyGuard& busy) : WindowModel("frm9", "Test", busy) {
    addHandler("long_Click", &TestWindow::long_Click);
    addHandler("other_Click", &TestWindow::other_Click);
    addHandler("args_Click", &TestWindow::args_Click);
  }
  void long_Click() {
    ++runs;
    reentered = invoke("other_Click");
  }
  void other_Click() { ++others; }
  void args_Click(int index, const std::string& text) {
    lastIndex = index;
    lastText = text;
  }
  int runs = 0;
  int others = 0;
  bool reentered = true;
  int lastIndex = 0;
  std::string lastText;
};

TEST(BusyGuard, AHandlerStartedWhileAnotherRunsDoesNothing) {
  BusyGuard busy;
  TestWindow window(busy);
  EXPECT_TRUE(window.invoke("long_Click"));
  EXPECT_EQ(window.runs, 1);
  EXPECT_FALSE(window.reentered);
  EXPECT_EQ(window.others, 0);
  EXPECT_TRUE(window.invoke("other_Click"));  // free again afterwards
  EXPECT_EQ(window.others, 1);
}

TEST(HandlerTable, ArgumentsAreConvertedAndMissingOnesDefault) {
  BusyGuard busy;
  TestWindow window(busy);
  const Handler* handler = window.findHandler("args_Click");
  ASSERT_NE(handler, nullptr);
  EXPECT_EQ(handler->parameters, (std::vector<ArgKind>{ArgKind::Integer, ArgKind::Text}));
  window.invoke("args_Click", {"12", "a:b"});
  EXPECT_EQ(window.lastIndex, 12);
  EXPECT_EQ(window.lastText, "a:b");
  window.invoke("args_Click", {});
  EXPECT_EQ(window.lastIndex, 0);
  EXPECT_EQ(window.lastText, "");
  EXPECT_FALSE(window.invoke("nope_Click"));
}

}  // namespace
}  // namespace brimlet
