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

void openHelpPage(Session& session, const std::string& anchor, HelpPageReport report) {
  const std::optional<std::string> page = findHelpPage(session.programFolder, executableFolder());
  if (!page) {
    report(false, cp("-fehler: Brimlet.html nicht gefunden"));
    return;
  }
  const std::string browser = session.browserName.empty() ? "Browser" : session.browserName;
  // Always with a "#", so a "#" in a folder name is never taken for the anchor.
  session.platform.openExternally(
      *page + "#" + anchor, [browser, report = std::move(report)](bool opened) {
        report(opened, opened ? "Brimlet.html im " + browser + cp(" geöffnet")
                              : cp("-fehler: kein Browser zum Öffnen von Brimlet.html gefunden"));
      });
}

}  // namespace brimlet
