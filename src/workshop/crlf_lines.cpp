// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/crlf_lines.h"

#include <cstring>

namespace brimlet {

std::optional<std::string_view> CrLfLines::next() {
  if (pos_ >= text_.size()) return std::nullopt;
  size_t search = pos_;
  while (search < text_.size()) {
    const void* hit = std::memchr(text_.data() + search, '\r', text_.size() - search);
    if (hit == nullptr) break;
    const size_t cr = static_cast<size_t>(static_cast<const char*>(hit) - text_.data());
    if (cr + 1 < text_.size() && text_[cr + 1] == '\n') {
      std::string_view line = text_.substr(pos_, cr - pos_);
      pos_ = cr + 2;
      return line;
    }
    search = cr + 1;
  }
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
