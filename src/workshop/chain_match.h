// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace brimlet {

// Position of `needle` in `text` at or after `from`, or npos. An empty
// needle is found at `from` while `from` lies within the text or at its end.
[[nodiscard]] size_t findBytes(std::string_view text, std::string_view needle, size_t from);

// A chain with the wildcard "<<<>>>" between a prefix and a suffix.
struct Wildcard {
  std::string_view prefix;
  std::string_view suffix;
};

// The chain's parts around its first marker; nothing when the marker is
// missing or first, or the chain is shorter than 8 bytes.
//   "[<<<>>>]" -> "[", "]"      "<<<>>>]" -> nothing
[[nodiscard]] std::optional<Wildcard> splitWildcard(std::string_view chain);

// The next match of a wildcard from `from`: its prefix, at least one byte,
// then the first suffix after that byte. Nothing once either part is missing.
struct Span {
  size_t begin;
  size_t end;
};
[[nodiscard]] std::optional<Span> findWildcard(std::string_view text, const Wildcard& wildcard,
                                               size_t from);

}  // namespace brimlet
