// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/chain_match.h"

#include <cstring>

namespace brimlet {

size_t findBytes(std::string_view text, std::string_view needle, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  if (needle.empty()) return from;
  // Also keeps an empty view's null data away from memmem.
  if (needle.size() > text.size() - from) return std::string_view::npos;
  // glibc's memmem is far faster than a byte-by-byte search for the short
  // chains people type.
  const void* hit = memmem(text.data() + from, text.size() - from, needle.data(), needle.size());
  return hit == nullptr ? std::string_view::npos
                        : static_cast<size_t>(static_cast<const char*>(hit) - text.data());
}

std::optional<Wildcard> splitWildcard(std::string_view chain) {
  constexpr std::string_view kMarker = "<<<>>>";
  const size_t marker = chain.find(kMarker);
  if (marker == std::string_view::npos || marker == 0 || chain.size() < 8) return std::nullopt;
  return Wildcard{chain.substr(0, marker), chain.substr(marker + kMarker.size())};
}

std::optional<Span> findWildcard(std::string_view text, const Wildcard& wildcard, size_t from) {
  const size_t prefix = findBytes(text, wildcard.prefix, from);
  if (prefix == std::string_view::npos) return std::nullopt;
  const size_t suffix = findBytes(text, wildcard.suffix, prefix + wildcard.prefix.size() + 1);
  if (suffix == std::string_view::npos) return std::nullopt;
  return Span{prefix, suffix + wildcard.suffix.size()};
}

}  // namespace brimlet
