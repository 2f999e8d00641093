// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// The elements of a control array are controls of their own, named after
// the array and their index: "pcb(3)". The windows declare them by that
// name and the views find the array's handler and the index in it.
[[nodiscard]] std::string elementName(std::string_view array, int index);

struct ArrayElement {
  std::string_view array;
  int index = 0;
};

// "pcb(3)" -> {"pcb", 3}; nothing for a name that is no element ("pcb",
// "(3)", "pcb(3"). The index is read as integerValue reads a number.
[[nodiscard]] std::optional<ArrayElement> arrayElementOf(std::string_view name);
// The array part is a view into the name, so a name about to vanish is
// refused at compile time.
std::optional<ArrayElement> arrayElementOf(std::string&& name) = delete;

}  // namespace brimlet
