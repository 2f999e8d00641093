// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

struct PasswordRules {
  int length = 12;    // 7 to 256
  int count = 10;     // 1 to 99999
  int classRule = 3;  // 4: all four classes, 3: at least three, 1: any
};

// Passwords of special characters (!%&()+,-.;=?_@), digits, lower- and
// upper-case letters. Each character is drawn as a code from 33 to 122, or
// with a template as one of its bytes except the last; codes outside the
// four classes are dropped, and a password that misses the class rule is
// drawn again. Several passwords each end with CR LF, a single one has
// none. nullopt when a template needs more than length x 100 x class rule
// draws over the whole run. `uniform(n)` gives a whole number in [0, n).
[[nodiscard]] std::optional<std::string> generatePasswords(
    const PasswordRules& rules, std::string_view templateText,
    const std::function<uint32_t(uint32_t n)>& uniform);

}  // namespace brimlet
