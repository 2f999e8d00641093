// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/exclusion_text.h"

namespace brimlet {

std::optional<ExclusionText> splitExclusionText(std::string_view searchText) {
  const size_t split = searchText.find("\r\n");
  if (split == std::string_view::npos || split == 0) return std::nullopt;
  const std::string_view a = searchText.substr(0, split);
  const std::string_view b = searchText.substr(split + 2);
  if (b.empty() || b == a || b.find(a) == std::string_view::npos) return std::nullopt;
  return ExclusionText{a, b};
}

}  // namespace brimlet
