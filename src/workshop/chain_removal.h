// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/progress.h"
#include "workshop/chain_match.h"
#include "workshop/text_edit.h"

namespace brimlet {

// The bytes equal to `byte`, or (ignoring case) every byte with the same
// lower-case form, for removing or counting one character.
[[nodiscard]] std::array<bool, 256> byteSelection(char byte, bool caseSensitive);

// Removes every occurrence of a chain, left to right, never overlapping.
// With `toLineEnd` each hit takes the rest of its line with it, up to the
// CR LF after the chain (and that CR LF too with `withLineBreak`); a hit on
// a last line without CR LF loses only the chain.
//   "xabab", "ab" -> "x", 2
//   "A Preis 3\r\nB", "Preis", toLineEnd -> "A \r\nB", 1
struct ChainRemoval {
  bool toLineEnd = false;
  bool withLineBreak = false;
};
[[nodiscard]] TextEdit removeChain(std::string_view text, std::string_view chain, ChainRemoval how,
                                   Progress& progress);

// Removes every wildcard match; a prefix without a suffix after it ends the
// removal there.   "a[1]b[]c[22]", "[" "]" -> "ab", 2
[[nodiscard]] TextEdit removeWildcard(std::string_view text, const Wildcard& wildcard,
                                      Progress& progress);

// Removes the records from "Audit" over "Sddl" up to the first CR LF of the
// next empty line, which stays. A record without its end stops the removal.
[[nodiscard]] TextEdit removeRecords(std::string_view text, Progress& progress);

// The rising number sequence typed as an optional one-character prefix and
// a start number (which sets the width with fixed width).
struct NumberSequence {
  std::string prefix;
  int64_t start = 0;
  size_t width = 0;
  bool fixedWidth = false;

  // A number as the sequence writes it: with fixed width padded with zeros
  // and cut to its last `width` digits, so that 99 is followed by 00.
  [[nodiscard]] std::string text(int64_t number) const;
};
struct SequenceRemoval {
  TextEdit edit;
  // How many numbers were searched, from the start on: the last one was
  // not found. Only the count is kept, since a long text searches millions.
  int64_t searched = 0;
};
// Reads "#01" as prefix "#" and number "01"; a text starting with a digit
// has no prefix. Nothing for a start number beyond 64 bits.
[[nodiscard]] std::optional<NumberSequence> parseNumberSequence(std::string_view typed,
                                                                bool fixedWidth);
// Removes the first number of the sequence anywhere, then each next number
// in a later line than the one before; stops at the first number not found
// (or after the largest 64-bit number).
[[nodiscard]] SequenceRemoval removeNumberSequence(std::string_view text,
                                                   const NumberSequence& sequence,
                                                   Progress& progress);

// Cuts every line at the first occurrence of `at` (keeping its first byte
// with `keepFirst`); lines left empty, and empty lines, disappear. The
// count is the number of lines cut. The result ends with CR LF.
//   "a=1\r\n=2\r\nb", "=" -> "a\r\nb\r\n", 2
[[nodiscard]] TextEdit cutLinesAt(std::string_view text, std::string_view at, bool keepFirst,
                                  Progress& progress);

}  // namespace brimlet
