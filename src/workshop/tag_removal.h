// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

struct TagRemoval {
  // False when the text lacks either delimiter: then nothing was removed
  // and `text` is empty.
  bool delimitersFound = false;
  std::string text;
  int64_t tags = 0;
};

// Removes every span from an opening delimiter through the next closing
// delimiter after it, delimiters included; the text around the spans stays.
// An opening delimiter without a closing one after it ends the walk.
//   "ab<i>cd</i>ef", "<", ">" -> "abcdef", 2 tags
[[nodiscard]] TagRemoval removeTags(std::string_view text, std::string_view open,
                                    std::string_view close, Progress& progress);

}  // namespace brimlet
