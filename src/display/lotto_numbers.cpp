// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/lotto_numbers.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/number.h"

namespace brimlet {
namespace {

struct Sums {
  int64_t bytes = 0;
  int64_t letters = 0;
  int64_t digits = 0;
};

// What a byte adds to the letter sum and to the digit sum.
struct ByteValues {
  std::array<uint8_t, 256> letter{};
  std::array<uint8_t, 256> digit{};
  ByteValues() {
    for (int i = 0; i < 26; ++i) {
      letter[static_cast<size_t>('A' + i)] = static_cast<uint8_t>(i + 1);
      letter[static_cast<size_t>('a' + i)] = static_cast<uint8_t>(i + 1);
    }
    for (int i = 0; i < 10; ++i) digit[static_cast<size_t>('0' + i)] = static_cast<uint8_t>(i);
  }
};

Sums sumsOf(std::string_view text, bool bytes, bool letters, bool digits) {
  static const ByteValues values;
  Sums sums;
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  if (bytes) {
    for (size_t i = 0; i < text.size(); ++i) sums.bytes += data[i];
  }
  if (letters) {
    for (size_t i = 0; i < text.size(); ++i) sums.letters += values.letter[data[i]];
  }
  if (digits) {
    for (size_t i = 0; i < text.size(); ++i) sums.digits += values.digit[data[i]];
  }
  return sums;
}

}  // namespace

int64_t foldMod49(int64_t sum) { return sum == 0 ? 0 : (sum - 1) % 49 + 1; }

int64_t foldDigitSum(int64_t sum) {
  while (sum > 49) {
    int64_t digits = 0;
    for (; sum > 0; sum /= 10) digits += sum % 10;
    sum = digits;
  }
  return sum;
}

std::array<int64_t, 6> textNumbers(std::string_view text, NumberRule rule) {
  const bool all = rule == NumberRule::All;
  const bool bytes = all || rule == NumberRule::AscMod || rule == NumberRule::AscQs;
  const bool letters = all || rule == NumberRule::LetterMod || rule == NumberRule::LetterQs;
  const bool digits = all || rule == NumberRule::DigitMod || rule == NumberRule::DigitQs;
  const Sums sums = sumsOf(text, bytes, letters, digits);
  return {foldMod49(sums.bytes),      foldDigitSum(sums.bytes), foldMod49(sums.letters),
          foldDigitSum(sums.letters), foldMod49(sums.digits),   foldDigitSum(sums.digits)};
}

std::string numbersOfText(std::string_view text, NumberRule rule) {
  const auto numbers = textNumbers(text, rule);
  std::string out;
  if (rule == NumberRule::All) {
    for (const int64_t number : numbers) out += decimal(number) + "\r\n";
  } else {
    out = decimal(numbers[static_cast<size_t>(rule)]) + "\r\n";
  }
  return out;
}

std::string drawNumbers(int count, const std::function<int()>& draw) {
  std::vector<int> drawn;
  std::string out;
  while (static_cast<int>(drawn.size()) < count) {
    const int number = draw();
    if (std::find(drawn.begin(), drawn.end(), number) != drawn.end()) continue;
    drawn.push_back(number);
    out += decimal(number) + "\r\n";
  }
  return out;
}

}  // namespace brimlet
