// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace brimlet {

// Removing bytes from a slice of text, sixteen at a time where the processor
// can (x86-64 with SSSE3) and one at a time elsewhere. Both write whole
// vectors: every output needs kCompactionRoom bytes of room past what it
// receives.
inline constexpr size_t kCompactionRoom = 16;

// A set of byte values, kept as a table and as the two rows of 16 bytes the
// vector test looks up by a byte's low four bits.
class ByteSet {
 public:
  explicit ByteSet(const std::array<bool, 256>& members);

  [[nodiscard]] bool contains(unsigned char byte) const { return keep_[byte] == 0; }
  [[nodiscard]] unsigned char keeps(unsigned char byte) const { return keep_[byte]; }
  // Bit h of row[low] is set when the byte 16 * h + low is a member, h < 8
  // in the first row, h - 8 in the second.
  alignas(16) std::array<unsigned char, 16> rowLow{};
  alignas(16) std::array<unsigned char, 16> rowHigh{};

 private:
  std::array<unsigned char, 256> keep_{};
};

// Writes the bytes of from[0, size) that are not in `set` to `to` and, when
// `removed` is not null, those that are to `removed`, both in order; returns
// how many were kept.
[[nodiscard]] size_t compactBytes(const char* from, size_t size, const ByteSet& set, char* to,
                                  char* removed);

// Writes the slice to `to` without every blank that follows a blank;
// `afterBlank` tells whether the byte before the slice was one and is left
// telling whether its last byte was. Returns how many were kept.
[[nodiscard]] size_t collapseBlankRuns(const char* from, size_t size, bool& afterBlank, char* to);

// Writes the slice to `to` without every CR that an LF follows; `after` is
// the byte after the slice (anything but LF where the text ends there).
// Returns how many were kept.
[[nodiscard]] size_t dropCrBeforeLf(const char* from, size_t size, char after, char* to);

// Writes the slice to `to` without the CR LF pairs that follow a CR LF in
// the text, which removes every empty line but leaves the line end before
// them. `before` holds the three bytes before the slice (at the text's start
// anything, CR, LF, so that empty lines there go too), `after` the byte
// after it. Returns how many were kept.
[[nodiscard]] size_t dropEmptyLines(const char* from, size_t size,
                                    const std::array<char, 3>& before, char after, char* to);

// Writes the slice to `to` with a CR put before every LF that no CR
// precedes; `before` is the byte before the slice (a CR at the text's start,
// where an LF stays as it is). `to` needs room for twice the slice and
// kCompactionRoom more. Returns how many bytes it wrote.
[[nodiscard]] size_t insertCrBeforeLf(const char* from, size_t size, char before, char* to);

}  // namespace brimlet
