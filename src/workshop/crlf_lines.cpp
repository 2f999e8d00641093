// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/crlf_lines.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brimlet {

namespace {

// Bit j set where p[j] == byte, for the 64 bytes from p.
uint64_t byteMask(const char* p, char byte) {
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(byte);
  uint64_t mask = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
    const auto bits = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
    mask |= uint64_t{bits} << (16 * part);
  }
  return mask;
#else
  uint64_t mask = 0;
  for (int j = 0; j < 64; ++j) mask |= uint64_t{p[j] == byte} << j;
  return mask;
#endif
}

}  // namespace

std::optional<std::string_view> CrLfLines::nextChunk() {
  if (pos_ >= text_.size()) return std::nullopt;
  while (ends_ == 0 && scanned_ + 1 < text_.size()) {
    chunk_ = scanned_;
    if (chunk_ + kChunk < text_.size()) {
      // The LF of a CR at the chunk's last byte is the next chunk's first.
      const uint64_t lineFeeds = (byteMask(text_.data() + chunk_, '\n') >> 1) |
                                 (uint64_t{text_[chunk_ + kChunk] == '\n'} << (kChunk - 1));
      ends_ = byteMask(text_.data() + chunk_, '\r') & lineFeeds;
      scanned_ = chunk_ + kChunk;
    } else {
      for (size_t i = chunk_; i + 1 < text_.size(); ++i) {
        if (text_[i] == '\r' && text_[i + 1] == '\n') ends_ |= uint64_t{1} << (i - chunk_);
      }
      scanned_ = text_.size();
    }
  }
  if (ends_ != 0) return lineEndingAtNextEnd();
  std::string_view tail = text_.substr(pos_);
  pos_ = text_.size();
  if (tail.back() == '\n') tail.remove_suffix(1);
  return tail;
}

size_t countLines(std::string_view text) {
  size_t lines = 0;
  for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
    if (cr + 1 < text.size() && text[cr + 1] == '\n') ++lines;
  }
  return lines + (text.empty() || text.ends_with("\r\n") ? 0 : 1);
}

}  // namespace brimlet
