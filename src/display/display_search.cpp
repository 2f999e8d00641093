// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/display_search.h"

#include <algorithm>
#include <string>

#include "core/number.h"
#include "display/field_text.h"

namespace brimlet {
namespace {

constexpr int64_t kDigitNotFound = 9999995;

int64_t fieldLength(std::string_view text) {
  return byteToField(text, static_cast<int64_t>(text.size()));
}

FieldSelection selectionAt(std::string_view text, int64_t byte, size_t length) {
  const int64_t start = byteToField(text, byte);
  return {start, byteToField(text, byte + static_cast<int64_t>(length)) - start};
}

// Field and byte positions of a CR LF text (as fieldToByte and byteToField
// give them), found by walking from the position asked last, so a search
// that moves on through the text converts in one pass instead of counting
// from the start each time.
class FieldWalker {
 public:
  explicit FieldWalker(std::string_view text)
      : text_(text), size_(static_cast<int64_t>(text.size())) {}

  int64_t toField(int64_t byte) {
    byte = std::clamp<int64_t>(byte, 0, size_);
    for (; byte_ < byte; ++byte_) crs_ += at(byte_) == '\r';
    for (; byte_ > byte; --byte_) crs_ -= at(byte_ - 1) == '\r';
    return byte_ - crs_;
  }

  int64_t toByte(int64_t field) {
    if (field <= 0) {
      byte_ = 0;
      crs_ = 0;
      return 0;
    }
    if (byte_ > 0 && byte_ < size_ && at(byte_ - 1) == '\r' && at(byte_) == '\n') {
      --byte_;  // the LF of a line end has its CR's place
      --crs_;
    }
    while (byte_ - crs_ < field && byte_ < size_) {
      const bool lineEnd = at(byte_) == '\r';
      crs_ += lineEnd;
      byte_ += lineEnd && byte_ + 1 < size_ && at(byte_ + 1) == '\n' ? 2 : 1;
    }
    while (byte_ - crs_ > field) {
      const bool lineEnd = byte_ >= 2 && at(byte_ - 2) == '\r' && at(byte_ - 1) == '\n';
      byte_ -= lineEnd ? 2 : 1;
      crs_ -= at(byte_) == '\r';
    }
    return byte_;
  }

 private:
  char at(int64_t byte) const { return text_[static_cast<size_t>(byte)]; }

  std::string_view text_;
  int64_t size_;
  int64_t byte_ = 0;
  int64_t crs_ = 0;  // CRs before byte_
};

// A hit in field positions, searched in the direction from a field position.
std::optional<int64_t> findInField(std::string_view text, std::string_view target, int64_t field,
                                   bool forward) {
  if (field < 0) return std::nullopt;
  const int64_t byte = fieldToByte(text, field);
  const auto hit = forward ? findForward(text, target, byte) : findBackward(text, target, byte);
  if (!hit) return std::nullopt;
  return byteToField(text, *hit);
}

std::optional<std::string> nearestDigit(std::string_view text, int64_t caret, bool forward) {
  char best = 0;
  int64_t bestPosition = forward ? kDigitNotFound : 0;
  for (char digit = '0'; digit <= '9'; ++digit) {
    const auto hit =
        findInField(text, std::string_view(&digit, 1), forward ? caret + 1 : caret, forward);
    const int64_t position = hit.value_or(forward ? kDigitNotFound : -1);
    if (forward ? position < bestPosition : position > bestPosition) {
      best = digit;
      bestPosition = position;
    }
  }
  if (best == 0) return std::nullopt;
  return std::string(1, best);
}

std::optional<std::string> searchTarget(std::string_view text, std::string_view searchText,
                                        int64_t caret, bool forward) {
  if (searchText == "<<<z") return nearestDigit(text, caret, forward);
  if (searchText.size() > 3 && searchText.starts_with("<<<")) {
    const int32_t code = integerValue(searchText.substr(3));
    if (code < 0 || code > 255) return std::nullopt;
    return std::string(1, static_cast<char>(code));
  }
  return std::string(searchText);
}

}  // namespace

std::optional<FieldSelection> searchField(std::string_view text, std::string_view searchText,
                                          int64_t caret, bool forward) {
  if (searchText.empty()) return std::nullopt;
  const auto target = searchTarget(text, searchText, caret, forward);
  if (!target) return std::nullopt;
  const int64_t from = fieldToByte(text, forward ? caret + 1 : caret);
  const auto hit = forward ? findForward(text, *target, from) : findBackward(text, *target, from);
  if (!hit) return std::nullopt;
  return selectionAt(text, *hit, target->size());
}

std::optional<ExclusionResult> exclusionSearch(std::string_view text, std::string_view searchText,
                                               int64_t searchPosition, bool forward) {
  const size_t split = searchText.find("\r\n");
  if (split == std::string_view::npos || split == 0) return std::nullopt;
  const std::string_view a = searchText.substr(0, split);
  const std::string_view b = searchText.substr(split + 2);
  if (b.empty() || b == a || b.find(a) == std::string_view::npos) return std::nullopt;
  const int64_t aLength = fieldLength(a);
  const int64_t bLength = fieldLength(b);

  // Each round looks between the last A and the next one only, so the walker
  // converts positions in one pass over the text.
  FieldWalker walker(text);
  auto find = [&](std::string_view target, int64_t field) -> std::optional<int64_t> {
    if (field < 0) return std::nullopt;
    const int64_t byte = walker.toByte(field);
    const auto hit = forward ? findForward(text, target, byte) : findBackward(text, target, byte);
    if (!hit) return std::nullopt;
    return walker.toField(*hit);
  };

  ExclusionResult result;
  if (!forward && searchPosition == 0) searchPosition = fieldLength(text) - 1;
  result.caret = searchPosition;
  int64_t p = searchPosition;
  for (;;) {
    const auto bHit = find(b, p);
    const auto aHit = find(a, p);
    if (aHit) {
      result.selection = FieldSelection{*aHit, aLength};
      result.caret = *aHit;
    }
    const int64_t at = aHit.value_or(-1);
    p = forward ? at + 1 : at - 1;
    if (!bHit) break;
    if (forward ? at < *bHit : at > *bHit + bLength) break;
  }
  // Past the start the next backward search begins again at the end.
  result.searchPosition = std::max<int64_t>(p, 0);
  return result;
}

std::optional<FieldSelection> selectNext(std::string_view text, std::string_view selectText,
                                         int64_t caret) {
  if (selectText.empty() || text.empty()) return std::nullopt;
  const size_t from = static_cast<size_t>(std::max<int64_t>(caret, 1) - 1);
  const size_t hit = text.find(selectText, from);
  if (hit == std::string_view::npos) return std::nullopt;
  const auto crs = std::count(text.begin(), text.begin() + static_cast<int64_t>(hit), '\r');
  return FieldSelection{static_cast<int64_t>(hit) - crs, static_cast<int64_t>(selectText.size())};
}

}  // namespace brimlet
