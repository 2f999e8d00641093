// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <ostream>

#include "cli/cli_options.h"
#include "program/program.h"

namespace brimlet {

// Runs brimlet-cli: starts the program on a scripted desktop, loads the
// state options, runs the steps in order and writes --dump and --out.
// Returns the exit status: 0 every step ran, 1 a file could not be read or
// written, 2 a usage error (found before anything ran).
// `around` adds work once the program has started and the state options
// are in: `before` may turn the steps away (false), `after` runs only when
// they ran.
struct AroundSteps {
  std::function<bool(Program&)> before;
  std::function<void(Program&)> after;
};
[[nodiscard]] int runCli(const CliOptions& options, std::ostream& errors,
                         const AroundSteps& around = {});

}  // namespace brimlet
