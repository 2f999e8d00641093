// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// "The integer value of a text": leading blanks are skipped, an optional
// sign is taken, then digits up to the first other character. A text with no
// digits there gives 0; a value beyond the 32-bit range is clamped to it.
//   " -12ab" -> -12,  "x5" -> 0,  "99999999999" -> 2147483647
[[nodiscard]] int32_t integerValue(std::string_view text);

// The same reading in 64 bits, for fields whose numbers may pass the 32-bit
// range; nothing when the magnitude passes 9223372036854775807, so that the
// field is refused instead of read as another number.
//   "2147483648" -> 2147483648,  "99999999999999999999" -> nothing
[[nodiscard]] std::optional<int64_t> integerValue64(std::string_view text);

// Decimal digits without sign, blank or separator, as every message writes
// a number. Negative values are written without their sign.
[[nodiscard]] std::string decimal(int64_t value);

}  // namespace brimlet
