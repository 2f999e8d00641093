// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"

namespace brimlet {

// The fixed byte classes the workshop removes in one go. The first five are
// disjoint and together hold every byte except NUL, LF, CR, the blank and
// the digits.
enum class CharacterClass {
  Special,      // control characters, # \ ^ ` { | } ~ DEL and most of 0x81-0xBE
  NonGerman,    // % & * + < > @ [ ] _ © and the accented letters German lacks
  Punctuation,  // ! " $ ' ( ) , - . / : ; = ? € £ ¥ § « »
  Vowels,       // AEIOU aeiou ÄÖÜ äöü
  Consonants,   // the other letters of A-Z and a-z, and ß
  Blanks,       // 32
  Digits,       // 0-9
  Nul,          // 0
};

// The class's byte values in ascending order.
[[nodiscard]] std::vector<unsigned char> classMembers(CharacterClass characterClass);

// How a removed byte is named in the log: the blank is "leerzeichen", NUL is
// "nullbytes", every other byte is itself (control characters too).
[[nodiscard]] std::string byteDescription(unsigned char byte);

using ByteCounts = std::array<int64_t, 256>;

// The text without the bytes flagged in `remove`.
[[nodiscard]] std::string withoutBytes(std::string_view text, const std::array<bool, 256>& remove,
                                       Progress& progress);

// The same, in the same pass counting the removed bytes by value.
struct ByteRemoval {
  std::string text;
  ByteCounts counts{};
};
[[nodiscard]] ByteRemoval countAndRemoveBytes(std::string_view text,
                                              const std::array<bool, 256>& remove,
                                              Progress& progress);

}  // namespace brimlet
