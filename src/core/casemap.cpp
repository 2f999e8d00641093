#include "core/casemap.h"

#include <array>

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

void lowerInPlace(std::string& text) {
  for (char& c : text) c = static_cast<char>(kTables.lower[static_cast<unsigned char>(c)]);
}

void upperInPlace(std::string& text) {
  for (char& c : text) c = static_cast<char>(kTables.upper[static_cast<unsigned char>(c)]);
}

}  // namespace brimlet
