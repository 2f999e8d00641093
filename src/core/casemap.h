// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace brimlet {

// The one Windows-1252 case table of the program. Besides A-Z it maps the
// accented letters of the code page (À..Þ <-> à..þ without × and ÷, Š Œ Ž Ÿ
// <-> š œ ž ÿ). ß, µ and every other byte have no other case and stay.
// The tables live here so that a search over hundreds of megabytes looks
// each byte up in place instead of calling out for it.
struct CaseTables {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};
};

constexpr CaseTables makeCaseTables() {
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

inline constexpr CaseTables kCaseTables = makeCaseTables();

[[nodiscard]] inline unsigned char toLower(unsigned char byte) { return kCaseTables.lower[byte]; }
[[nodiscard]] inline unsigned char toUpper(unsigned char byte) { return kCaseTables.upper[byte]; }

// Whether two bytes are the same letter in either case, as a search or a
// comparison that ignores case takes them.
[[nodiscard]] inline bool sameIgnoringCase(char a, char b) {
  return toLower(static_cast<unsigned char>(a)) == toLower(static_cast<unsigned char>(b));
}

// The upper-case table's byte, worked out by ranges rather than looked up,
// so that loops over it become vector code.
[[nodiscard]] constexpr char upperByRanges(char byte) {
  const auto c = static_cast<unsigned char>(byte);
  auto within = [c](unsigned char first, unsigned char last) {
    return static_cast<unsigned char>(c - first) <= last - first;
  };
  const int down = (within('a', 'z') || (within(0xE0, 0xFE) && c != 0xF7) ? 0x20 : 0) |
                   (c == 0x9A || c == 0x9C || c == 0x9E ? 0x10 : 0) | (c == 0xFF ? 0x60 : 0);
  return static_cast<char>(c - down);
}

// The tables' mappings of `size` bytes from `from` to `to`, which may be the
// same place, in vector code.
void lowerBytes(const char* from, size_t size, char* to);
void upperBytes(const char* from, size_t size, char* to);

void lowerInPlace(std::string& text);

}  // namespace brimlet
