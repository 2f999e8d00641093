// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

// Where the binary filter breaks the kept text into lines (the positions of
// its drop-down list).
enum class BreakMode {
  None,         // nothing inserted
  DropBreaks,   // CR and LF are removed like the junk bytes
  DriveLetter,  // a break before every "X:" pair
  Every80,      // a break after the kept byte that has a multiple of 80 kept bytes before it
  AfterBlank,   // a break after every blank but a leading one
};

struct BinaryFilterResult {
  std::string text;
  int64_t removed = 0;
  int64_t breaks = 0;  // line breaks inserted
};

// Keeps the readable bytes of binary data: control characters, "+", most of
// the upper half and (with `special`) # $ % * < > @ [ ] ^ ` { | } and the
// typographic signs are dropped and counted; the German letters stay. No
// break is inserted after the text's last byte or after a kept CR or LF.
//   "x y z", AfterBlank -> "x \r\ny \r\nz", 0 removed, 2 breaks
[[nodiscard]] BinaryFilterResult filterBinary(std::string_view text, BreakMode mode, bool special,
                                              Progress& progress);

}  // namespace brimlet
