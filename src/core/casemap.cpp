// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/casemap.h"

#include <array>

#include "core/wide_vectors.h"

namespace brimlet {

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
