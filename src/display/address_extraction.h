// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// The e-mail addresses of a text, one per CR LF line, in the order found:
// around every at-sign the run of letters, digits, "-", "." and "_" on
// both sides, or with `wholeLines` the whole line around it; an at-sign
// with nothing on one side is passed over. nullopt for a text under 8
// bytes, which cannot hold an address.
//   "mail an a.b@c.de, bitte"  ->  "a.b@c.de\r\n"
[[nodiscard]] std::optional<std::string> extractAddresses(std::string_view text, bool wholeLines);

}  // namespace brimlet
