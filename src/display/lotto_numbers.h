// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace brimlet {

// The rules of the number list, in list order.
// clang-format off
enum class NumberRule { AscMod, AscQs, LetterMod, LetterQs, DigitMod, DigitQs, All, OneRandom, SixRandom };
// clang-format on

// A sum folded into 0..49: ((sum - 1) mod 49) + 1, so 0 stays 0.
[[nodiscard]] int64_t foldMod49(int64_t sum);
// A sum folded by its digit sum until it is at most 49 (1234 -> 10).
[[nodiscard]] int64_t foldDigitSum(int64_t sum);

// The six numbers of a text: byte sum, letter sum (A-Z and a-z count 1 to
// 26) and digit sum, each folded both ways. Only the sums a rule needs are
// formed; unused positions stay 0.
[[nodiscard]] std::array<int64_t, 6> textNumbers(std::string_view text, NumberRule rule);

// What the rule writes into the field for a text: one number, or all six
// in table order, each with CR LF. Not for the two random rules.
[[nodiscard]] std::string numbersOfText(std::string_view text, NumberRule rule);

// One to six different whole numbers from 1 to 49, in drawing order, each
// with CR LF. `draw` gives a uniform whole number from 1 to 49.
[[nodiscard]] std::string drawNumbers(int count, const std::function<int()>& draw);

}  // namespace brimlet
