// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/passwords.h"

#include <cstring>

namespace brimlet {
namespace {

constexpr char kSpecials[] = "!%&()+,-.;=?_@";

int classBit(char c) {
  if (c >= 'a' && c <= 'z') return 4;
  if (c >= 'A' && c <= 'Z') return 8;
  if (c >= '0' && c <= '9') return 2;
  if (c != '\0' && std::strchr(kSpecials, c) != nullptr) return 1;
  return 0;
}

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
      const int bit = classBit(code);
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
