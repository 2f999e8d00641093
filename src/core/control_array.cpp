// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/control_array.h"

#include "core/number.h"

namespace brimlet {

std::string elementName(std::string_view array, int index) {
  return std::string(array) + "(" + std::to_string(index) + ")";
}

std::optional<ArrayElement> arrayElementOf(std::string_view name) {
  const size_t open = name.find('(');
  if (open == std::string_view::npos || open == 0 || !name.ends_with(')')) return std::nullopt;
  return ArrayElement{name.substr(0, open),
                      integerValue(name.substr(open + 1, name.size() - open - 2))};
}

}  // namespace brimlet
