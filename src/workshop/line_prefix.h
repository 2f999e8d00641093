// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Removes `needle` (never empty) from the start of the text as often as it
// stands there, and once after every CR LF that it follows. A hit of CR LF +
// needle is looked for again right at the needle, so with the needle CR LF
// a run of CR LF pairs loses every pair but the first:
//   "\r\n\r\na\r\n\r\n\r\nb\r\n\r\n", "\r\n" -> "a\r\nb\r\n", 5
// A needle that ends in CR LF can make hits overlap; the search then goes on
// at the needle's last two bytes, so no byte is removed twice.
[[nodiscard]] TextEdit removeLinePrefix(std::string_view text, std::string_view needle,
                                        Progress& progress);

}  // namespace brimlet
