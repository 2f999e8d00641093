// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// with the desktop's default handler, and says how that went in the log
// line of the window that asked.
struct HelpPageOpening {
  bool opened = false;
  std::string logLine;
};
[[nodiscard]] HelpPageOpening openHelpPage(Session& session, const std::string& anchor);

}  // namespace brimlet
