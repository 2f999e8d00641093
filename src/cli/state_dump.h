// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/scripted_platform.h"
#include "program/program.h"

namespace brimlet {

// Writes the state after a run into `folder` (the system's bytes), one raw file per piece of
// data: working.txt, undo.txt, filelist.txt, processed.txt, names.txt,
// display.txt, clipboard.txt, zlog.txt, clog.txt, rlog.txt, status.txt
// (status bars, window titles, visible tool) and settings.txt. Returns the
// first file that could not be written, "" when all were.
[[nodiscard]] std::string dumpState(Program& program, const ScriptedPlatform& platform,
                                    const std::string& folder);

// The visible tool's text: the working text, the processed list or the
// names text.
[[nodiscard]] const std::string& visibleToolText(Program& program);

}  // namespace brimlet
