// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/session.h"

namespace brimlet {

inline constexpr const char* kHelpPageName = "Brimlet.html";

// Where the help page is: in the program folder (a page the user keeps
// there wins), else beside the executable (a build), else in the installed
// share folder next to the executable's own folder. nullopt when none has it.
[[nodiscard]] std::optional<std::string> findHelpPage(const std::string& programFolder,
                                                      const std::string& executableFolder);

// Opens the help page at an anchor ("brl", "qvl", "drm"; "" for its top)
// with the desktop's default handler. `report` hears how that went, in the
// log line of the window that asked, once the desktop has answered.
using HelpPageReport = std::function<void(bool opened, const std::string& logLine)>;
void openHelpPage(Session& session, const std::string& anchor, HelpPageReport report);

}  // namespace brimlet
