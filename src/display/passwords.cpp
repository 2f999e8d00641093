// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/passwords.h"

#include <array>

namespace brimlet {
namespace {

// The class bit of every byte: 1 special (!%&()+,-.;=?_@), 2 digit, 4
// lower case, 8 upper case, 0 none of them. A table, since a password run
// looks up every character it draws, millions in a long run.
constexpr std::array<uint8_t, 256> kClassBits = [] {
  std::array<uint8_t, 256> bits{};
  for (const unsigned char c : std::string_view("!%&()+,-.;=?_@")) bits[c] = 1;
  for (int c = '0'; c <= '9'; ++c) bits[static_cast<size_t>(c)] = 2;
  for (int c = 'a'; c <= 'z'; ++c) bits[static_cast<size_t>(c)] = 4;
  for (int c = 'A'; c <= 'Z'; ++c) bits[static_cast<size_t>(c)] = 8;
  return bits;
}();

bool passesRule(int bits, int classRule) {
  if (classRule == 4) return bits == 15;
  if (classRule == 3) return bits == 7 || bits == 11 || bits == 13 || bits == 14 || bits == 15;
  return true;
}

}  // namespace

std::optional<std::string> generatePasswords(const PasswordRules& rules,
                                             std::string_view templateText,
                                             const std::function<uint32_t(uint32_t n)>& uniform) {
  const bool fromTemplate = !templateText.empty();
  const auto length = static_cast<size_t>(rules.length);
  const int64_t drawLimit = int64_t{rules.length} * 100 * rules.classRule;
  int64_t draws = 0;
  std::string result;
  result.reserve((length + 2) * static_cast<size_t>(rules.count));
  for (int made = 0; made < rules.count;) {
    const size_t start = result.size();
    int bits = 0;
    while (result.size() - start < length) {
      char code;
      if (fromTemplate) {
        if (++draws > drawLimit) return std::nullopt;
        code = templateText[uniform(static_cast<uint32_t>(templateText.size() - 1))];
      } else {
        code = static_cast<char>(33 + uniform(90));
      }
      const int bit = kClassBits[static_cast<unsigned char>(code)];
      if (bit == 0) continue;
      result += code;
      bits |= bit;
    }
    if (!passesRule(bits, rules.classRule)) {
      result.resize(start);
      continue;
    }
    if (rules.count > 1) result += "\r\n";
    ++made;
  }
  return result;
}

}  // namespace brimlet
