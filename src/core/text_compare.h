// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace brimlet {

// The program's text order for sorts. Two strings compare first by their
// collation weights, byte by byte, ignoring case and accents (built on the
// case table: "Ä", "ä", "a" and "A" weigh the same), a prefix before the
// longer string; when the weights tie, the raw bytes decide. That makes it a
// total order that never calls two different strings equal.
//   "apfel" < "Äpfel" < "Birne" < "birne" < "zebra"
//
// Weights: letters weigh as their plain lower-case letter a-z (ß as s, æ as
// a, œ and ø as o, ð as d, þ as t); every other byte weighs its own value,
// so digits and most punctuation come before letters and the upper half of
// the code page after them.
[[nodiscard]] const std::array<unsigned char, 256>& collationWeights();

// <0, 0 or >0, as memcmp.
[[nodiscard]] int compareText(std::string_view a, std::string_view b);
// Unsigned bytes position by position, a prefix first.
[[nodiscard]] int compareBytes(std::string_view a, std::string_view b);

}  // namespace brimlet
