// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "program/program.h"

namespace brimlet {

// brimlet-cli --list: every window with its title, then its controls (name,
// kind, caption, frame) and its handlers with the kinds of their arguments,
// in the order of the windows' own tables. UTF-8.
void listWindows(Program& program, std::ostream& out);

}  // namespace brimlet
