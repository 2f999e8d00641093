// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/casemap.h"

#include <array>

#include "core/wide_vectors.h"

namespace brimlet {
namespace {

struct CaseTables {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
};

constexpr CaseTables makeTables() {
  CaseTables t;
  for (int b = 0; b < 256; ++b) {
    t.lower[b] = static_cast<unsigned char>(b);
    t.upper[b] = static_cast<unsigned char>(b);
  }
  auto pair = [&t](int upper, int lower) {
    t.lower[upper] = static_cast<unsigned char>(lower);
    t.upper[lower] = static_cast<unsigned char>(upper);
  };
  for (int b = 'A'; b <= 'Z'; ++b) pair(b, b + 32);
  for (int b = 0xC0; b <= 0xDE; ++b) {
    if (b != 0xD7) pair(b, b + 32);
  }
  pair(0x8A, 0x9A);  // Š š
  pair(0x8C, 0x9C);  // Œ œ
  pair(0x8E, 0x9E);  // Ž ž
  pair(0x9F, 0xFF);  // Ÿ ÿ
  return t;
}

constexpr CaseTables kTables = makeTables();

}  // namespace

unsigned char toLower(unsigned char byte) { return kTables.lower[byte]; }
unsigned char toUpper(unsigned char byte) { return kTables.upper[byte]; }

namespace {

bool within(unsigned char byte, unsigned char first, unsigned char last) {
  return static_cast<unsigned char>(byte - first) <= last - first;
}

}  // namespace

BRIMLET_WIDE_VECTORS void lowerBytes(const char* from, size_t size, char* to) {
  for (size_t i = 0; i < size; ++i) {
    const auto c = static_cast<unsigned char>(from[i]);
    const int up = (within(c, 'A', 'Z') || (within(c, 0xC0, 0xDE) && c != 0xD7) ? 0x20 : 0) |
                   (c == 0x8A || c == 0x8C || c == 0x8E ? 0x10 : 0) | (c == 0x9F ? 0x60 : 0);
    to[i] = static_cast<char>(c + up);
  }
}

BRIMLET_WIDE_VECTORS void upperBytes(const char* from, size_t size, char* to) {
  for (size_t i = 0; i < size; ++i) to[i] = upperByRanges(from[i]);
}

void lowerInPlace(std::string& text) { lowerBytes(text.data(), text.size(), text.data()); }

}  // namespace brimlet
