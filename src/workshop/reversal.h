// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/progress.h"
#include "workshop/text_edit.h"

namespace brimlet {

// The lines (as CrLfLines reads them) in reverse order, or with `pairs` the
// pairs of lines in reverse order, each pair keeping its own order and an
// odd last line staying last. Every line ends with CR LF.
//   "a\r\nb\r\nc\r\nd\r\ne", pairs -> "c\r\nd\r\na\r\nb\r\ne\r\n"
[[nodiscard]] std::string reverseLines(std::string_view text, bool pairs, Progress& progress);

// Every line with its bytes in reverse order, or with `pairs` its pairs of
// bytes in reverse order, each pair keeping its order and an odd last byte
// going to the front; lines of two bytes or less stay. Every line ends with
// CR LF; the count is the number of lines.
//   "abcde", pairs -> "ecdab\r\n", 1
[[nodiscard]] TextEdit reverseLineBytes(std::string_view text, bool pairs, Progress& progress);

}  // namespace brimlet
