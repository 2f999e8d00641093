// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Removes every empty line, those at the start and the end included; the
// count is the number of CR LF pairs removed.
//   "\r\n\r\na\r\n\r\n\r\nb\r\n\r\n" -> "a\r\nb\r\n", 5
[[nodiscard]] TextEdit removeEmptyLines(std::string_view text, Progress& progress);

// Every run of two or more empty lines becomes one empty line; a single
// empty line stays. No final line end is added.
//   "a\r\n\r\n\r\n\r\nb" -> "a\r\n\r\nb", 2
[[nodiscard]] TextEdit thinEmptyLines(std::string_view text, Progress& progress);

}  // namespace brimlet
