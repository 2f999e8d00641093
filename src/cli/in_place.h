// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace brimlet {

// brimlet-cli --in-place: for each file a fresh run (so every file meets
// the same start, whatever the recipe did to the one before) that loads the
// file as the workshop loads a user's file, runs the steps and writes the
// working text back in the form the file came in (UTF-8 and LF stay), in
// batches that keep the safe writer's promise. "-" reads standard input and
// writes the result to standard output. A file that cannot be read or
// written is named on `errors` and left as it was; the others go on; the
// recipe file itself is never processed. SIGINT or SIGTERM stops the run
// between files: what was not yet written stays as it was, and no temporary
// file is left. --dump shows the run of the last file. Returns 0, 1 when any
// file failed, 2 for a usage error (before any file was touched), 128+N
// after signal N.
[[nodiscard]] int runInPlace(const CliOptions& options, std::ostream& errors);

}  // namespace brimlet
