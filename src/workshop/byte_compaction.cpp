// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/byte_compaction.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace brimlet {

ByteSet::ByteSet(const std::array<bool, 256>& members) {
  for (size_t b = 0; b < members.size(); ++b) {
    keep_[b] = members[b] ? 0 : 1;
    if (!members[b]) continue;
    const size_t high = b >> 4;
    auto& row = high < 8 ? rowLow : rowHigh;
    row[b & 15] = static_cast<unsigned char>(row[b & 15] | (1U << (high & 7)));
  }
}

namespace {

// Branch-free: every byte is written, and the write position only moves on
// past a byte that stays.
size_t compactByteByByte(const char* from, size_t size, const ByteSet& set, char* to,
                         char* removed) {
  size_t kept = 0;
  size_t gone = 0;
  for (size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(from[i]);
    const unsigned char keeps = set.keeps(byte);
    to[kept] = from[i];
    kept += keeps;
    if (removed != nullptr) {
      removed[gone] = from[i];
      gone += 1U - keeps;
    }
  }
  return kept;
}

size_t collapseByteByByte(const char* from, size_t size, bool& afterBlank, char* to) {
  size_t kept = 0;
  bool previousBlank = afterBlank;  // a local, which the writes cannot alias
  for (size_t i = 0; i < size; ++i) {
    const bool blank = from[i] == ' ';
    to[kept] = from[i];
    kept += static_cast<size_t>(!(blank && previousBlank));
    previousBlank = blank;
  }
  afterBlank = previousBlank;
  return kept;
}

size_t dropCrByteByByte(const char* from, size_t size, char after, char* to) {
  size_t kept = 0;
  for (size_t i = 0; i < size; ++i) {
    const char next = i + 1 < size ? from[i + 1] : after;
    to[kept] = from[i];
    kept += static_cast<size_t>(!(from[i] == '\r' && next == '\n'));
  }
  return kept;
}

// Bytes [first, last) of the slice, looking up to three bytes back and one
// on, past its edges into `before` and `after`.
size_t dropEmptyByteByByte(const char* from, size_t first, size_t last, size_t size,
                           const std::array<char, 3>& before, char after, char* to) {
  auto at = [&](size_t i, size_t back) {
    return i < back ? before[3 + i - back] : i - back < size ? from[i - back] : after;
  };
  size_t kept = 0;
  for (size_t i = first; i < last; ++i) {
    const bool pairCr = at(i, 0) == '\r' && at(i + 1, 0) == '\n';
    const bool pairLf = at(i, 1) == '\r' && at(i, 0) == '\n';
    const bool drop = (pairCr && at(i, 2) == '\r' && at(i, 1) == '\n') ||
                      (pairLf && at(i, 3) == '\r' && at(i, 2) == '\n');
    to[kept] = from[i];
    kept += static_cast<size_t>(!drop);
  }
  return kept;
}

size_t insertCrByteByByte(const char* from, size_t size, char before, char* to) {
  size_t written = 0;
  for (size_t i = 0; i < size; ++i) {
    const char previous = i == 0 ? before : from[i - 1];
    to[written] = '\r';
    written += static_cast<size_t>(from[i] == '\n' && previous != '\r');
    to[written++] = from[i];
  }
  return written;
}

#if defined(__x86_64__)

#define BRIMLET_SSSE3 __attribute__((target("ssse3")))

// For each mask of eight bytes, the positions of its set bits in order
// (0x80 makes the shuffle write a zero) and their number.
struct PackTables {
  std::array<std::array<unsigned char, 8>, 256> order{};
  std::array<unsigned char, 256> count{};
};

constexpr PackTables makePackTables() {
  PackTables tables;
  for (size_t mask = 0; mask < 256; ++mask) {
    size_t n = 0;
    for (unsigned char bit = 0; bit < 8; ++bit) {
      if ((mask >> bit) & 1U) tables.order[mask][n++] = bit;
    }
    tables.count[mask] = static_cast<unsigned char>(n);
    for (size_t k = n; k < 8; ++k) tables.order[mask][k] = 0x80;
  }
  return tables;
}

constexpr PackTables kPack = makePackTables();

// For each mask of eight bytes, where the bytes go when a CR is put before
// each one whose bit is set (0x80 where a CR goes), and the CRs themselves.
struct SpreadTables {
  std::array<std::array<unsigned char, 16>, 256> order{};
  std::array<std::array<unsigned char, 16>, 256> crs{};
};

constexpr SpreadTables makeSpreadTables() {
  SpreadTables tables;
  for (size_t mask = 0; mask < 256; ++mask) {
    size_t n = 0;
    for (unsigned char bit = 0; bit < 8; ++bit) {
      if ((mask >> bit) & 1U) {
        tables.order[mask][n] = 0x80;
        tables.crs[mask][n++] = '\r';
      }
      tables.order[mask][n++] = bit;
    }
    for (; n < 16; ++n) tables.order[mask][n] = 0x80;
  }
  return tables;
}

constexpr SpreadTables kSpread = makeSpreadTables();

// Writes the bytes of `bytes` whose bit in `mask` is set to `to`, in order;
// returns how many.
BRIMLET_SSSE3 size_t pack(__m128i bytes, unsigned mask, char* to) {
  const unsigned low = mask & 0xFF;
  const unsigned high = mask >> 8;
  const __m128i lowOrder =
      _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kPack.order[low].data()));
  const __m128i highOrder =
      _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kPack.order[high].data()));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_shuffle_epi8(bytes, lowOrder));
  const size_t lowCount = kPack.count[low];
  _mm_storel_epi64(reinterpret_cast<__m128i*>(to + lowCount),
                   _mm_shuffle_epi8(_mm_srli_si128(bytes, 8), highOrder));
  return lowCount + kPack.count[high];
}

// Writes the sixteen bytes but those whose bit in `drop` is set to `to`, in
// order; returns how many.
BRIMLET_SSSE3 size_t packKept(__m128i bytes, unsigned drop, char* to) {
  if (drop == 0) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), bytes);
    return 16;
  }
  return pack(bytes, ~drop & 0xFFFFU, to);
}

// The mask of the sixteen bytes that are members: a byte's low four bits
// pick its row entry, its high four bits the bit in it.
BRIMLET_SSSE3 unsigned memberMask(__m128i bytes, __m128i rowLow, __m128i rowHigh) {
  const __m128i nibble = _mm_set1_epi8(0x0F);
  const __m128i low = _mm_and_si128(bytes, nibble);
  const __m128i high = _mm_and_si128(_mm_srli_epi16(bytes, 4), nibble);
  const __m128i bitLow = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
  const __m128i bitHigh = _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, -128);
  const __m128i hit =
      _mm_or_si128(_mm_and_si128(_mm_shuffle_epi8(rowLow, low), _mm_shuffle_epi8(bitLow, high)),
                   _mm_and_si128(_mm_shuffle_epi8(rowHigh, low), _mm_shuffle_epi8(bitHigh, high)));
  const auto outside =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(hit, _mm_setzero_si128())));
  return ~outside & 0xFFFFU;
}

BRIMLET_SSSE3 size_t compactVectors(const char* from, size_t size, const ByteSet& set, char* to,
                                    char* removed) {
  const __m128i rowLow = _mm_load_si128(reinterpret_cast<const __m128i*>(set.rowLow.data()));
  const __m128i rowHigh = _mm_load_si128(reinterpret_cast<const __m128i*>(set.rowHigh.data()));
  size_t kept = 0;
  size_t gone = 0;
  size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    const unsigned members = memberMask(bytes, rowLow, rowHigh);
    kept += packKept(bytes, members, to + kept);
    if (removed != nullptr && members != 0) gone += pack(bytes, members, removed + gone);
  }
  return kept + compactByteByByte(from + i, size - i, set, to + kept,
                                  removed != nullptr ? removed + gone : nullptr);
}

BRIMLET_SSSE3 size_t collapseVectors(const char* from, size_t size, bool& afterBlank, char* to) {
  const __m128i blank = _mm_set1_epi8(' ');
  // Only its last byte counts: the one before the next sixteen.
  __m128i before = afterBlank ? blank : _mm_setzero_si128();
  size_t kept = 0;
  size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    const __m128i previous = _mm_alignr_epi8(bytes, before, 15);
    const __m128i repeated =
        _mm_and_si128(_mm_cmpeq_epi8(bytes, blank), _mm_cmpeq_epi8(previous, blank));
    const auto drop = static_cast<unsigned>(_mm_movemask_epi8(repeated));
    kept += packKept(bytes, drop, to + kept);
    before = bytes;
  }
  if (i > 0) afterBlank = from[i - 1] == ' ';
  return kept + collapseByteByByte(from + i, size - i, afterBlank, to + kept);
}

BRIMLET_SSSE3 size_t dropCrVectors(const char* from, size_t size, char after, char* to) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  size_t kept = 0;
  size_t i = 0;
  // Each block's next bytes are read one further on, so the slice's last
  // byte is left to the tail, which knows the byte after it.
  for (; i + 17 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 1));
    const __m128i pairs = _mm_and_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(next, lf));
    const auto drop = static_cast<unsigned>(_mm_movemask_epi8(pairs));
    kept += packKept(bytes, drop, to + kept);
  }
  return kept + dropCrByteByByte(from + i, size - i, after, to + kept);
}

BRIMLET_SSSE3 size_t dropEmptyVectors(const char* from, size_t size,
                                      const std::array<char, 3>& before, char after, char* to) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  auto load = [from](size_t i) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
  };
  // The first three bytes look back before the slice and the last one on
  // past it: those go byte by byte.
  const size_t head = std::min<size_t>(3, size);
  size_t kept = dropEmptyByteByByte(from, 0, head, size, before, after, to);
  size_t i = head;
  for (; i + 17 <= size; i += 16) {
    const __m128i back3 = _mm_cmpeq_epi8(load(i - 3), cr);
    const __m128i back2 = load(i - 2);
    const __m128i back1 = load(i - 1);
    const __m128i bytes = load(i);
    const __m128i next = load(i + 1);
    const __m128i afterLineEnd =
        _mm_and_si128(_mm_cmpeq_epi8(back2, cr), _mm_cmpeq_epi8(back1, lf));
    const __m128i pairCr = _mm_and_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(next, lf));
    const __m128i pairLf = _mm_and_si128(_mm_cmpeq_epi8(back1, cr), _mm_cmpeq_epi8(bytes, lf));
    const __m128i lfAfterLineEnd = _mm_and_si128(back3, _mm_cmpeq_epi8(back2, lf));
    const __m128i dropped =
        _mm_or_si128(_mm_and_si128(pairCr, afterLineEnd), _mm_and_si128(pairLf, lfAfterLineEnd));
    const auto drop = static_cast<unsigned>(_mm_movemask_epi8(dropped));
    kept += packKept(bytes, drop, to + kept);
  }
  return kept + dropEmptyByteByByte(from, i, size, size, before, after, to + kept);
}

// Writes the low eight bytes of `bytes` with a CR before each whose bit in
// `mask` is set; returns how many bytes that makes.
BRIMLET_SSSE3 size_t spread(__m128i bytes, unsigned mask, char* to) {
  const __m128i order =
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSpread.order[mask].data()));
  const __m128i crs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSpread.crs[mask].data()));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                   _mm_or_si128(_mm_shuffle_epi8(bytes, order), crs));
  return 8 + kPack.count[mask];
}

BRIMLET_SSSE3 size_t insertCrVectors(const char* from, size_t size, char before, char* to) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  // Only its last byte counts: the one before the next sixteen.
  __m128i previous = _mm_set1_epi8(before);
  size_t written = 0;
  size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    const __m128i shifted = _mm_alignr_epi8(bytes, previous, 15);
    const __m128i bare = _mm_andnot_si128(_mm_cmpeq_epi8(shifted, cr), _mm_cmpeq_epi8(bytes, lf));
    const auto mask = static_cast<unsigned>(_mm_movemask_epi8(bare));
    if (mask == 0) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + written), bytes);
      written += 16;
    } else {
      written += spread(bytes, mask & 0xFF, to + written);
      written += spread(_mm_srli_si128(bytes, 8), mask >> 8, to + written);
    }
    previous = bytes;
  }
  const char last = i == 0 ? before : from[i - 1];
  return written + insertCrByteByByte(from + i, size - i, last, to + written);
}

bool vectors() {
  static const bool supported = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3") != 0;
  }();
  return supported;
}

#endif

}  // namespace

size_t compactBytes(const char* from, size_t size, const ByteSet& set, char* to, char* removed) {
#if defined(__x86_64__)
  if (vectors()) return compactVectors(from, size, set, to, removed);
#endif
  return compactByteByByte(from, size, set, to, removed);
}

size_t collapseBlankRuns(const char* from, size_t size, bool& afterBlank, char* to) {
#if defined(__x86_64__)
  if (vectors()) return collapseVectors(from, size, afterBlank, to);
#endif
  return collapseByteByByte(from, size, afterBlank, to);
}

size_t dropCrBeforeLf(const char* from, size_t size, char after, char* to) {
#if defined(__x86_64__)
  if (vectors()) return dropCrVectors(from, size, after, to);
#endif
  return dropCrByteByByte(from, size, after, to);
}

size_t dropEmptyLines(const char* from, size_t size, const std::array<char, 3>& before, char after,
                      char* to) {
#if defined(__x86_64__)
  if (vectors()) return dropEmptyVectors(from, size, before, after, to);
#endif
  return dropEmptyByteByByte(from, 0, size, size, before, after, to);
}

size_t insertCrBeforeLf(const char* from, size_t size, char before, char* to) {
#if defined(__x86_64__)
  if (vectors()) return insertCrVectors(from, size, before, to);
#endif
  return insertCrByteByByte(from, size, before, to);
}

}  // namespace brimlet
