// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

#include "core/control_array.h"

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

// A form with one plain control, a control array and the form's own events,
// each counting its runs.
class GatedWindow : public WindowModel {
 public:
  explicit GatedWindow(BusyGuard& busy) : WindowModel("frm9", "Test", busy) {
    addControl("go", ControlKind::Button, "Go");
    addControl("row(1)", ControlKind::CheckBox, "");
    addControl("row(2)", ControlKind::CheckBox, "");
    addHandler("go_Click", [this] { ++runs["go"]; });
    addHandler("row_Click", &GatedWindow::row_Click);
    for (const char* event : {"Load", "Close", "KeyDown"}) {
      addHandler(std::string("frm9_") + event, [this, event] { ++runs[event]; });
    }
    window().setVisible(true);
  }
  void row_Click(int index) { ++runs["row" + std::to_string(index)]; }
  std::map<std::string, int> runs;
};

struct GateCase {
  const char* what;
  std::function<void(GatedWindow&)> change;
  // Which of go, row1, row2, Load, Close, KeyDown still run.
  std::vector<std::string> running;
};

class HandlerGate : public ::testing::TestWithParam<GateCase> {};

TEST_P(HandlerGate, OnlyWhatAUserCouldReachRuns) {
  BusyGuard busy;
  GatedWindow window(busy);
  GetParam().change(window);
  const std::vector<std::pair<std::string, std::vector<std::string>>> calls = {
      {"go_Click", {}},  {"row_Click", {"1"}}, {"row_Click", {"2"}},
      {"frm9_Load", {}}, {"frm9_Close", {}},   {"frm9_KeyDown", {}}};
  for (const auto& [handler, args] : calls) window.invoke(handler, args);
  std::vector<std::string> ran;
  for (const auto& [name, count] : window.runs) ran.push_back(name);
  std::vector<std::string> expected = GetParam().running;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ran, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WindowModel, HandlerGate, ::testing::Values(
    GateCase{"all open", [](GatedWindow&) {},
             {"go", "row1", "row2", "Load", "Close", "KeyDown"}},
    GateCase{"button disabled", [](GatedWindow& w) { w.findControl("go")->setEnabled(false); },
             {"row1", "row2", "Load", "Close", "KeyDown"}},
    GateCase{"button hidden", [](GatedWindow& w) { w.findControl("go")->setVisible(false); },
             {"row1", "row2", "Load", "Close", "KeyDown"}},
    GateCase{"one element greyed", [](GatedWindow& w) { w.findControl("row(2)")->setEnabled(false); },
             {"go", "row1", "Load", "Close", "KeyDown"}},
    GateCase{"window disabled", [](GatedWindow& w) { w.window().setEnabled(false); },
             {"Load", "Close"}},
    GateCase{"tool window hidden", [](GatedWindow& w) { w.window().setVisible(false); },
             {"go", "row1", "row2", "Load", "Close", "KeyDown"}},
    GateCase{"dialog closed", [](GatedWindow& w) { w.setOpensOver(true); w.window().setVisible(false); },
             {"Load"}}),
    [](const auto& row) {
      std::string name = row.param.what;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });
// clang-format on

TEST(HandlerGate, AnElementThatDoesNotExistIsLeftToItsHandler) {
  BusyGuard busy;
  GatedWindow window(busy);
  EXPECT_TRUE(window.invoke("row_Click", {"7"}));
  EXPECT_EQ(window.runs["row7"], 1);
  EXPECT_EQ(window.controlOf(*window.findHandler("row_Click"), {"2"}),
            window.findControl("row(2)"));
  EXPECT_EQ(window.controlOf(*window.findHandler("frm9_Close"), {}), nullptr);
}

// The views find an element's handler and index by its name; whatever does
// not read as an element must not be taken for one.
TEST(ControlArray, ElementNamesReadBackAsTheyWereMade) {
  for (const int index : {0, 7, 16, -1}) {
    const std::string name = elementName("ed_e", index);
    const std::optional<ArrayElement> element = arrayElementOf(name);
    ASSERT_TRUE(element) << index;
    EXPECT_EQ(element->array, "ed_e");
    EXPECT_EQ(element->index, index);
  }
  for (const char* plain : {"ed_e", "(3)", "ed_e(3", "ed_e3)", ""}) {
    EXPECT_FALSE(arrayElementOf(std::string_view(plain))) << plain;
  }
}

}  // namespace
}  // namespace brimlet
