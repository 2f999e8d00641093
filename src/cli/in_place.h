// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace brimlet {

// brimlet-cli --in-place: for each file a fresh run (so every file meets
// the same start, whatever the recipe did to the one before) that loads the
// file as the workshop's working text, runs the steps and writes the
// working text back through the safe writer. A file that cannot be read or
// written is named on `errors` and left as it was; the others go on.
// --dump shows the run of the last file. Returns 0, 1 when any file failed,
// 2 for a usage error (before any file was touched).
[[nodiscard]] int runInPlace(const CliOptions& options, std::ostream& errors);

}  // namespace brimlet
