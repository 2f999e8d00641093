#include "display/lotto_numbers.h"

#include <algorithm>
#include <vector>

#include "core/number.h"

namespace brimlet {
namespace {

struct Sums {
  int64_t bytes = 0;
  int64_t letters = 0;
  int64_t digits = 0;
};

Sums sumsOf(std::string_view text, bool bytes, bool letters, bool digits) {
  Sums sums;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (bytes) sums.bytes += byte;
    if (letters) {
      if (byte >= 'A' && byte <= 'Z') sums.letters += byte - 'A' + 1;
      if (byte >= 'a' && byte <= 'z') sums.letters += byte - 'a' + 1;
    }
    if (digits && byte >= '0' && byte <= '9') sums.digits += byte - '0';
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
  return {foldMod49(sums.bytes),   foldDigitSum(sums.bytes),   foldMod49(sums.letters),
          foldDigitSum(sums.letters), foldMod49(sums.digits), foldDigitSum(sums.digits)};
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
