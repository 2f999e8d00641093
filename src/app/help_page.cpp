#include "app/help_page.h"

#include "core/cp1252.h"
#include "core/file_io.h"

namespace brimlet {

std::string openHelpPage(Session& session, std::string_view anchor) {
  const std::string page = session.programFolder + "Brimlet.html";
  if (!fileExists(page)) return "-fehler: " + page + " nicht gefunden";
  if (!session.platform.openExternally(page + std::string(anchor))) {
    return cp("-fehler: kein Browser zum Öffnen von Brimlet.html gefunden");
  }
  return "Brimlet.html im " + session.browserName + cp(" geöffnet");
}

}  // namespace brimlet
