// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"
#include "workshop/chain_match.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Replaces every occurrence of `find` (never empty) left to right; a
// replacement is never searched again, so matches never overlap.
//   "banana", "a", "b" -> "bbnbnb", 3      "aaaa", "aa", "b" -> "bb", 2
[[nodiscard]] TextEdit replaceChain(std::string_view text, std::string_view find,
                                    std::string_view replacement, Progress& progress);

// Replaces every wildcard match by `replacement`, or, when `keep` holds the
// replacement's own two parts, by keep's prefix + the matched middle +
// keep's suffix; each such kept replacement is listed for the log.
//   "x<b>fett</b>y", "<b>" "</b>", keep "[" "]" -> "x[fett]y", kept "[fett]"
struct WildcardReplacement {
  TextEdit edit;
  std::vector<std::string> kept;
};
[[nodiscard]] WildcardReplacement replaceWildcard(std::string_view text, const Wildcard& find,
                                                  std::string_view replacement,
                                                  const std::optional<Wildcard>& keep,
                                                  Progress& progress);

}  // namespace brimlet
