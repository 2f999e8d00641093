// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet::testing {

// One click on a workshop tool: the steps, written as brimlet-cli takes
// them, set controls ("name=value", which also runs the control's _Click or
// _Change) and run handlers ("name:argument"); then the text, the log and
// the undo copy are checked.
struct ToolCase {
  std::vector<std::string> steps;
  std::string input;
  std::string expected;
  std::vector<std::string> log;  // newest first, UTF-8
  // Typed input that cannot be used, and counting, leave the undo copy alone.
  bool takesUndoCopy = true;
};

inline std::ostream& operator<<(std::ostream& out, const ToolCase& c) {
  for (const std::string& step : c.steps) out << step << ' ';
  return out;
}

class WorkshopTool : public ProgramTest, public ::testing::WithParamInterface<ToolCase> {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
  }

  void runSteps(const std::vector<std::string>& steps) {
    Workshop& w = program.workshop();
    for (const std::string& text : steps) {
      const Step step = parseStep(text);
      if (!step.field) {
        ASSERT_TRUE(w.invoke(step.handler, step.arguments)) << text;
        continue;
      }
      const std::string& name = step.field->control;
      const std::string& value = step.field->value;
      Control* control = w.findControl(name);
      ASSERT_NE(control, nullptr) << name;
      if (control->kind() == ControlKind::TextBox) {
        control->setText(value);
        if (w.findHandler(name + "_Change") != nullptr) w.invoke(name + "_Change");
      } else {
        control->setValue(std::stoi(value));
        if (w.findHandler(name + "_Click") != nullptr) w.invoke(name + "_Click");
      }
    }
  }

  static std::string logOf(const std::vector<std::string>& newestFirst) {
    std::string text;
    for (const std::string& message : newestFirst) text += "08:09:10: " + cp(message) + "\r\n";
    return text;
  }

  void check() {
    const ToolCase& c = GetParam();
    Workshop& w = program.workshop();
    w.working().replace(c.input);
    w.working().replaceUndoCopy("older");
    runSteps(c.steps);
    EXPECT_EQ(w.working().text(), c.expected);
    EXPECT_EQ(w.clog.text(), logOf(c.log));
    EXPECT_FALSE(w.PRBC.visible());
    ASSERT_TRUE(w.invoke("qvl_undo_Click"));
    EXPECT_EQ(w.working().text(), c.takesUndoCopy ? c.input : std::string("older"));
  }
};

}  // namespace brimlet::testing
