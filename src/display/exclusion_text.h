// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace brimlet {

// A search text of the form A CR LF B, where B is another, longer text
// that contains A: it stands for "an A that is not part of a B". nullopt
// for every other shape (no line break, empty A or B, B equal to A or
// without A).
struct ExclusionText {
  std::string_view a;
  std::string_view b;
};
[[nodiscard]] std::optional<ExclusionText> splitExclusionText(std::string_view searchText);

}  // namespace brimlet
