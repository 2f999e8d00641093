// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/field_text.h"

#include <algorithm>

#include "core/casemap.h"

namespace brimlet {
std::string withCrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // Line by line, each copied at once: a text of hundreds of megabytes is
  // shown this way. A lone CR within a line is rare.
  for (size_t start = 0; start < text.size();) {
    const size_t lf = std::min(text.find('\n', start), text.size());
    const bool crLf = lf < text.size() && lf > start && text[lf - 1] == '\r';
    std::string_view line = text.substr(start, lf - start - (crLf ? 1 : 0));
    for (size_t cr = line.find('\r'); cr != std::string_view::npos; cr = line.find('\r')) {
      out.append(line.substr(0, cr));
      out += "\r\n";
      line.remove_prefix(cr + 1);
    }
    out.append(line);
    if (lf == text.size()) break;
    out += "\r\n";
    start = lf + 1;
  }
  return out;
}

int64_t fieldToByte(std::string_view text, int64_t field) {
  int64_t byte = 0;
  const auto size = static_cast<int64_t>(text.size());
  for (int64_t seen = 0; seen < field && byte < size; ++seen) {
    byte += text[static_cast<size_t>(byte)] == '\r' ? 2 : 1;
  }
  return std::min(byte, size);
}

int64_t byteToField(std::string_view text, int64_t byte) {
  const auto end = text.begin() + std::clamp<int64_t>(byte, 0, static_cast<int64_t>(text.size()));
  return (end - text.begin()) - std::count(text.begin(), end, '\r');
}

std::optional<int64_t> caretByteNumber(std::string_view text, int64_t field) {
  if (field < 0) return std::nullopt;
  const int64_t byte = fieldToByte(text, field);
  if (byte >= static_cast<int64_t>(text.size())) return std::nullopt;
  return byte + 1;
}

std::optional<int64_t> findForward(std::string_view text, std::string_view target, int64_t from) {
  if (target.empty() || from < 0 || from >= static_cast<int64_t>(text.size())) return std::nullopt;
  const auto hit =
      std::search(text.begin() + from, text.end(), target.begin(), target.end(), sameIgnoringCase);
  if (hit == text.end()) return std::nullopt;
  return hit - text.begin();
}

std::optional<int64_t> findBackward(std::string_view text, std::string_view target,
                                    int64_t before) {
  before = std::min<int64_t>(before, static_cast<int64_t>(text.size()));
  if (target.empty() || before < static_cast<int64_t>(target.size())) return std::nullopt;
  const auto end = text.begin() + before;
  const auto hit = std::find_end(text.begin(), end, target.begin(), target.end(), sameIgnoringCase);
  if (hit == end) return std::nullopt;
  return hit - text.begin();
}

}  // namespace brimlet
