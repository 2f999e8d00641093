#pragma once

#include <string>
#include <string_view>

#include "app/session.h"

namespace brimlet {

// Opens the help page "Brimlet.html" of the program folder at `anchor`
// ("#qvl") with the default browser and returns the line for the log:
// "Brimlet.html im <browser> geöffnet" only when it was opened, otherwise
// what kept it from opening (the page missing, no browser to start).
[[nodiscard]] std::string openHelpPage(Session& session, std::string_view anchor);

}  // namespace brimlet
