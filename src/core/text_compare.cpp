// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_compare.h"

#include <algorithm>
#include <cstring>

#include "core/casemap.h"

namespace brimlet {
namespace {

// Base letters of the lower-case accented letters 0xDF..0xFF.
constexpr std::string_view kAccentBases =
    "s"        // ß
    "aaaaaaa"  // à á â ã ä å æ
    "c"        // ç
    "eeee"     // è é ê ë
    "iiii"     // ì í î ï
    "dn"       // ð ñ
    "ooooo"    // ò ó ô õ ö
    "\xF7"     // ÷ is no letter
    "o"        // ø
    "uuuu"     // ù ú û ü
    "yty";     // ý þ ÿ

std::array<unsigned char, 256> makeWeights() {
  std::array<unsigned char, 256> weights{};
  for (int b = 0; b < 256; ++b) {
    unsigned char lower = toLower(static_cast<unsigned char>(b));
    if (lower >= 0xDF) lower = static_cast<unsigned char>(kAccentBases[lower - 0xDF]);
    weights[b] = lower;
  }
  weights[0x9A] = 's';  // š
  weights[0x9C] = 'o';  // œ
  weights[0x9E] = 'z';  // ž
  weights[0x8A] = 's';  // Š
  weights[0x8C] = 'o';  // Œ
  weights[0x8E] = 'z';  // Ž
  return weights;
}

int sign(size_t a, size_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

const std::array<unsigned char, 256>& collationWeights() {
  static const std::array<unsigned char, 256> weights = makeWeights();
  return weights;
}

int compareBytes(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  if (n > 0) {
    if (const int r = std::memcmp(a.data(), b.data(), n); r != 0) return r;
  }
  return sign(a.size(), b.size());
}

int compareText(std::string_view a, std::string_view b) {
  const auto& weights = collationWeights();
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int wa = weights[static_cast<unsigned char>(a[i])];
    const int wb = weights[static_cast<unsigned char>(b[i])];
    if (wa != wb) return wa - wb;
  }
  if (a.size() != b.size()) return sign(a.size(), b.size());
  return compareBytes(a, b);
}

}  // namespace brimlet
