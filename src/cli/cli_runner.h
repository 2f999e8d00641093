#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace brimlet {

// Runs brimlet-cli: starts the program on a scripted desktop, loads the
// state options, runs the steps in order and writes --dump and --out.
// Returns the exit status: 0 every step ran, 1 a file could not be read or
// written, 2 a usage error (found before anything ran).
[[nodiscard]] int runCli(const CliOptions& options, std::ostream& errors);

}  // namespace brimlet
