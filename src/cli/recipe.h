// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"

namespace brimlet {

// The steps of a recipe: one step a line, written exactly as on the command
// line (UTF-8). Blank lines and lines whose first non-blank is "#" are
// skipped; indentation and a CR before the LF are dropped, anything else on
// the line belongs to the step (a value may end in blanks or hold a "#").
//   "# tidy\r\n  qvl_trim_Click\r\n\r\nqvl_srt_x=2\r\n" -> qvl_trim_Click, qvl_srt_x=2
[[nodiscard]] std::vector<Step> parseRecipe(std::string_view text);

// Appends the steps of the --recipe file to the command line's own. False
// (and a message) when the file cannot be read.
[[nodiscard]] bool appendRecipe(CliOptions& options, std::ostream& errors);

}  // namespace brimlet
