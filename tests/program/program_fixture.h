// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "cli/scripted_platform.h"
#include "program/program.h"
#include "support/temp_folder.h"

namespace brimlet::testing {

// A program on a scripted desktop with a fixed clock and a fresh program
// folder; files for that folder are written before start().
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : program(platform, home.path()) { platform.setClock({2026, 12, 6, 8, 9, 10}); }

  TempFolder home;
  ScriptedPlatform platform;
  Program program;
};

}  // namespace brimlet::testing
