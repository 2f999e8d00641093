// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_page.h"

#include <vector>

#include "app/program_folder.h"
#include "core/cp1252.h"
#include "core/file_io.h"

namespace brimlet {

std::optional<std::string> findHelpPage(const std::string& programFolder,
                                        const std::string& exeFolder) {
  std::vector<std::string> candidates = {programFolder + kHelpPageName};
  if (!exeFolder.empty()) {
    candidates.push_back(exeFolder + kHelpPageName);
    candidates.push_back(exeFolder + "../share/brimlet/" + kHelpPageName);
  }
  for (const std::string& path : candidates) {
    if (fileStatus(path) == ReadStatus::Ok) return path;
  }
  return std::nullopt;
}

HelpPageOpening openHelpPage(Session& session, const std::string& anchor) {
  const std::optional<std::string> page = findHelpPage(session.programFolder, executableFolder());
  if (!page) return {false, cp("-fehler: Brimlet.html nicht gefunden")};
  // Always with a "#", so a "#" in a folder name is never taken for the anchor.
  if (!session.platform.openExternally(*page + "#" + anchor)) {
    return {false, cp("-fehler: kein Browser zum Öffnen von Brimlet.html gefunden")};
  }
  const std::string browser = session.browserName.empty() ? "Browser" : session.browserName;
  return {true, "Brimlet.html im " + browser + cp(" geöffnet")};
}

}  // namespace brimlet
