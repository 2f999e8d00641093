// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lines.h"

#include <algorithm>

namespace brimlet {

size_t countCr(std::string_view text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\r'));
}

}  // namespace brimlet
