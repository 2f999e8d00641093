// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_endings.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

#include "workshop/byte_compaction.h"
#include "workshop/progress_ticker.h"
#include "workshop/slice_rewrite.h"

namespace brimlet {
namespace {

// Position of the next `byte` at or after `from`, or the text's size.
size_t find(std::string_view text, char byte, size_t from) {
  if (from >= text.size()) return text.size();
  const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
  return hit == nullptr ? text.size()
                        : static_cast<size_t>(static_cast<const char*>(hit) - text.data());
}

int64_t lastPosition(std::string_view text) { return static_cast<int64_t>(text.size()) - 1; }

struct LineFeeds {
  uint64_t all = 0;
  uint64_t bare = 0;  // without a CR before them
};

// Both counts in one pass, sixteen bytes at a time where the processor has
// vectors (every x86-64 does); each byte looks back at the one before it.
LineFeeds countLineFeeds(std::string_view text) {
  LineFeeds counted;
  if (text.empty()) return counted;
  const char* bytes = text.data();
  if (bytes[0] == '\n') counted = {1, 1};
  size_t i = 1;
#if defined(__x86_64__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  const auto sum = [zero](__m128i counts) {
    const __m128i halves = _mm_sad_epu8(counts, zero);
    return static_cast<uint64_t>(_mm_cvtsi128_si64(halves)) +
           static_cast<uint64_t>(_mm_extract_epi16(halves, 4));
  };
  // Byte counters, summed before any can pass 255.
  while (i + 16 <= text.size()) {
    __m128i all = zero;
    __m128i bare = zero;
    for (int round = 0; round < 255 && i + 16 <= text.size(); ++round, i += 16) {
      const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
      const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i - 1));
      const __m128i lineFeeds = _mm_cmpeq_epi8(here, lf);
      all = _mm_sub_epi8(all, lineFeeds);
      bare = _mm_sub_epi8(bare, _mm_andnot_si128(_mm_cmpeq_epi8(before, cr), lineFeeds));
    }
    counted.all += sum(all);
    counted.bare += sum(bare);
  }
#endif
  for (; i < text.size(); ++i) {
    if (bytes[i] != '\n') continue;
    ++counted.all;
    if (bytes[i - 1] != '\r') ++counted.bare;
  }
  return counted;
}

}  // namespace

UnixConversion unixToCrLf(std::string_view text, Progress& progress) {
  UnixConversion result;
  const LineFeeds lineFeeds = countLineFeeds(text);
  result.lineFeeds = static_cast<int64_t>(lineFeeds.all);
  // A bare LF at the very start stays, so that text too is only copied.
  if (lineFeeds.bare == 0 || (lineFeeds.bare == 1 && text.starts_with('\n'))) {
    result.edit.text = text;
    return result;
  }
  static_assert(kSliceRoom >= kCompactionRoom);
  char before = '\r';  // an LF at the text's start stays as it is
  std::string& out = result.edit.text;
  out = rewriteSlices<2>(text, text.size() + static_cast<size_t>(result.lineFeeds), progress,
                         [&before](const char* from, size_t size, char* to) {
                           const size_t written = insertCrBeforeLf(from, size, before, to);
                           before = from[size - 1];
                           return written;
                         });
  result.edit.count = static_cast<int64_t>(out.size() - text.size());
  return result;
}

TextEdit crLfToUnix(std::string_view text, Progress& progress) {
  static_assert(kSliceRoom >= kCompactionRoom);
  const char* end = text.data() + text.size();
  std::string out = rewriteSlices(text, progress, [end](const char* from, size_t size, char* to) {
    return dropCrBeforeLf(from, size, from + size < end ? from[size] : '\0', to);
  });
  const auto removed = static_cast<int64_t>(text.size() - out.size());
  return {std::move(out), removed};
}

TextEdit lineEndAfterNul(std::string_view text, Progress& progress) {
  TextEdit result;
  const auto nuls = static_cast<size_t>(std::count(text.begin(), text.end(), '\0'));
  if (nuls == 0) {
    result.text = text;
    return result;
  }
  progress.setMaximum(lastPosition(text));
  ProgressTicker ticker(progress);
  std::string& out = result.text;
  out.reserve(text.size() + 2 * nuls);
  size_t copied = 0;
  for (size_t nul = find(text, '\0', 0); nul < text.size(); nul = find(text, '\0', nul + 1)) {
    out.append(text, copied, nul + 1 - copied);
    out += "\r\n";
    copied = nul + 1;
    ++result.count;
    ticker.at(static_cast<int64_t>(nul));
  }
  out.append(text, copied);
  return result;
}

TextEdit joinHyphenatedBreaks(std::string_view text, Progress& progress) {
  TextEdit result;
  std::string& out = result.text;
  out.reserve(text.size());
  progress.setMaximum(lastPosition(text));
  ProgressTicker ticker(progress);
  size_t copied = 0;
  size_t hyphen = find(text, '-', 0);
  while (hyphen + 2 < text.size()) {
    if (text[hyphen + 1] != '\r' || text[hyphen + 2] != '\n') {
      hyphen = find(text, '-', hyphen + 1);
      continue;
    }
    const size_t after = hyphen + 3;
    const bool capital = after < text.size() && text[after] >= 'A' && text[after] <= 'Z';
    if (!capital) {
      out.append(text, copied, hyphen - copied);
      copied = after;
      ++result.count;
      ticker.at(static_cast<int64_t>(hyphen));
    }
    hyphen = find(text, '-', after);
  }
  out.append(text, copied);
  return result;
}

}  // namespace brimlet
