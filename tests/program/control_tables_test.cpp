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

}  // namespace
}  // namespace brimlet
