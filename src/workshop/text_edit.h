// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace brimlet {

// What a text operation hands back: the whole new text and the number its
// report counts.
struct TextEdit {
  std::string text;
  int64_t count = 0;
};

}  // namespace brimlet
