// SPDX-License-Identifier: GPL-3.0-or-later
// Checks over every window's control and handler table, so a control or
// handler added to any window later is held to the same rules.
#include <gtest/gtest.h>

#include <map>

#include "core/casemap.h"
#include "program_fixture.h"

namespace brimlet {
namespace {

using ControlTables = testing::ProgramTest;

// The letter after the single "&" of a caption, lower-cased ("&&" is a
// literal ampersand); 0 when the caption has none.
unsigned char accelerator(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return toLower(static_cast<unsigned char>(caption[i + 1]));
    ++i;
  }
  return 0;
}

TEST_F(ControlTables, NoWindowGivesOneAcceleratorLetterToTwoControls) {
  for (const WindowModel* window : program.windows()) {
    std::map<unsigned char, std::string> owner;
    for (const auto& control : window->controls()) {
      const unsigned char letter = accelerator(control->text());
      if (letter == 0) continue;
      const auto [first, fresh] = owner.emplace(letter, control->name());
      EXPECT_TRUE(fresh) << window->form() << ": " << first->second << " and " << control->name()
                         << " share the letter " << letter;
    }
  }
}

TEST_F(ControlTables, EveryKeyHandlerNamesTheKeysItTakes) {
  for (const WindowModel* window : program.windows()) {
    for (const Handler& handler : window->handlers()) {
      if (!handler.name.ends_with("_KeyDown")) continue;
      EXPECT_FALSE(handler.keys.empty())
          << window->form() << ": " << handler.name << " would never receive a key";
    }
  }
}

// The form's own events, which the gate judges by the window alone.
bool formEvent(const WindowModel& window, const Handler& handler) {
  for (const char* event : {"_Load", "_Close", "_KeyDown", "_MouseDown", "_MessageProc"}) {
    if (handler.name == window.form() + event) return true;
  }
  return false;
}

// The first argument list that names an existing control of the handler:
// none for a plain control, the lowest existing index for an array.
std::vector<std::string> argumentsReaching(const WindowModel& window, const Handler& handler) {
  for (int index = 0; index < 64; ++index) {
    const std::vector<std::string> args = {std::to_string(index)};
    if (window.controlOf(handler, args) != nullptr) return args;
  }
  return {};
}

// A handler whose name missed its control would escape the check that
// keeps brimlet-cli from doing what the window would not.
TEST_F(ControlTables, EveryHandlerIsTurnedAwayWhileItsControlIsGreyedOrHidden) {
  program.start();
  for (WindowModel* window : program.models()) {
    window->window().setVisible(true);
    for (const Handler& handler : window->handlers()) {
      if (formEvent(*window, handler)) continue;
      const std::vector<std::string> args = argumentsReaching(*window, handler);
      Control* control = const_cast<Control*>(window->controlOf(handler, args));
      ASSERT_NE(control, nullptr) << window->form() << ": " << handler.name << " has no control";
      const bool enabled = control->enabled();
      const bool visible = control->visible();
      control->setEnabled(false);
      control->setVisible(true);
      EXPECT_FALSE(window->reachable(handler, args)) << handler.name << " greyed";
      control->setEnabled(true);
      control->setVisible(false);
      EXPECT_FALSE(window->reachable(handler, args)) << handler.name << " hidden";
      control->setVisible(true);
      EXPECT_TRUE(window->reachable(handler, args)) << handler.name;
      control->setEnabled(enabled);
      control->setVisible(visible);
    }
  }
}

TEST_F(ControlTables, AClosedDialogTakesNoEventsButAHiddenToolDoes) {
  program.start();
  for (WindowModel* dialog : program.dialogs()) {
    ASSERT_FALSE(dialog->window().visible());
    for (const Handler& handler : dialog->handlers()) {
      EXPECT_FALSE(dialog->reachable(handler, argumentsReaching(*dialog, handler))) << handler.name;
    }
  }
  ASSERT_FALSE(program.workshop().window().visible());
  EXPECT_TRUE(program.workshop().reachable(*program.workshop().findHandler("qvl_srt_Click"), {}));
}

}  // namespace
}  // namespace brimlet
