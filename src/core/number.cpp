// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number.h"

#include <algorithm>
#include <limits>

namespace brimlet {

namespace {

// The sign and the magnitude of the digits, the magnitude stopped at
// `limit` once it would pass it.
struct Reading {
  bool negative = false;
  uint64_t magnitude = 0;
};

Reading readInteger(std::string_view text, uint64_t limit) {
  Reading r;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    r.negative = text[i] == '-';
    ++i;
  }
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const auto digit = static_cast<uint64_t>(text[i] - '0');
    r.magnitude = r.magnitude > (limit - digit) / 10 ? limit : r.magnitude * 10 + digit;
  }
  return r;
}

}  // namespace

int32_t integerValue(std::string_view text) {
  constexpr uint64_t kLimit = uint64_t{std::numeric_limits<int32_t>::max()} + 1;
  const Reading r = readInteger(text, kLimit);
  if (r.negative) return static_cast<int32_t>(-static_cast<int64_t>(r.magnitude));
  return static_cast<int32_t>(std::min(r.magnitude, kLimit - 1));
}

std::optional<int64_t> integerValue64(std::string_view text) {
  constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  const Reading r = readInteger(text, kMax + 1);
  if (r.magnitude > kMax) return std::nullopt;
  const auto value = static_cast<int64_t>(r.magnitude);
  return r.negative ? -value : value;
}

std::string decimal(int64_t value) {
  const uint64_t magnitude =
      value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  return std::to_string(magnitude);
}

}  // namespace brimlet
