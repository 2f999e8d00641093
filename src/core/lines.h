// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

// The program's one notion of a line: the text up to the next CR; the next
// line starts two bytes after that CR (the LF of a CR LF is assumed, never
// checked). Whatever follows the last CR is not a line; rest() hands it to
// the callers that treat such a tail specially.
//
//   "a\r\nb\r\nc"  ->  "a", "b", rest "c"
class LineWalker {
 public:
  explicit LineWalker(std::string_view text) : text_(text) {}

  [[nodiscard]] std::optional<std::string_view> next() {
    if (pos_ >= text_.size()) return std::nullopt;
    const void* cr = std::memchr(text_.data() + pos_, '\r', text_.size() - pos_);
    if (cr == nullptr) return std::nullopt;
    const size_t end = static_cast<size_t>(static_cast<const char*>(cr) - text_.data());
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 2;
    return line;
  }

  // Start of the line that next() returns next.
  [[nodiscard]] size_t position() const { return pos_; }

  [[nodiscard]] std::string_view rest() const {
    return pos_ < text_.size() ? text_.substr(pos_) : std::string_view{};
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// The final line end: a text ending in CR LF stays, a last lone LF becomes
// CR LF, anything else (the empty text too) gets CR LF appended.
void appendFinalLineEnd(std::string& text);

// Number of CR bytes: the line count of a CR LF text.
[[nodiscard]] size_t countCr(std::string_view text);

// The crossings between the program's CR LF and the LF of other programs.
// lfToCrLf gives every LF that does not follow a CR its CR; crLfToLf drops
// the CR of each CR LF. A lone CR stays in both directions.
//   lfToCrLf("a\nb\r\n") == "a\r\nb\r\n"     crLfToLf("x\ry\r\n") == "x\ry\n"
[[nodiscard]] std::string lfToCrLf(std::string_view text);
[[nodiscard]] std::string crLfToLf(std::string_view text);

}  // namespace brimlet
