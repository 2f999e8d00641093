#include "workshop/trimming.h"

#include <algorithm>

#include "core/casemap.h"
#include "workshop/crlf_lines.h"

namespace brimlet {
namespace {

std::string_view trimmed(std::string_view line, TrimSide side) {
  if (side != TrimSide::End) {
    const size_t first = line.find_first_not_of(' ');
    line.remove_prefix(first == std::string_view::npos ? line.size() : first);
  }
  if (side != TrimSide::Start) {
    const size_t last = line.find_last_not_of(' ');
    line = line.substr(0, last == std::string_view::npos ? 0 : last + 1);
  }
  return line;
}

}  // namespace

TextEdit trimLines(std::string_view text, TrimSide side) {
  TextEdit result;
  result.text.reserve(text.size() + 2);
  CrLfLines lines(text);
  while (const std::optional<std::string_view> line = lines.next()) {
    const std::string_view kept = trimmed(*line, side);
    if (kept.size() != line->size()) ++result.count;
    result.text.append(kept);
    result.text += "\r\n";
  }
  return result;
}

TextEdit collapseBlanks(std::string_view text, Progress& progress) {
  constexpr size_t kChunk = size_t{1} << 16;
  progress.setMaximum(static_cast<int64_t>(text.size()) - 1);
  std::string out(text.size(), '\0');
  size_t written = 0;
  bool afterBlank = false;
  // Branch-free: every byte is written, and the write position only moves
  // on when the byte is not a blank right after another blank.
  for (size_t start = 0; start < text.size(); start += kChunk) {
    const size_t end = std::min(text.size(), start + kChunk);
    for (size_t i = start; i < end; ++i) {
      const bool blank = text[i] == ' ';
      out[written] = text[i];
      written += static_cast<size_t>(!(blank && afterBlank));
      afterBlank = blank;
    }
    progress.setValue(static_cast<int64_t>(end) - 1);
  }
  const auto removed = static_cast<int64_t>(text.size() - written);
  out.resize(written);
  return {std::move(out), removed};
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  lowerInPlace(out);
  return out;
}

std::string upperCase(std::string_view text) {
  std::string out(text);
  upperInPlace(out);
  return out;
}

TextEdit capitaliseWordStarts(std::string_view text) {
  TextEdit result{std::string(text), 0};
  std::string& out = result.text;
  for (size_t p = 0; p + 1 < out.size(); ++p) {
    if (out[p] != ' ' && out[p] != '-' && out[p] != '\n') continue;
    const auto before = static_cast<unsigned char>(out[p + 1]);
    const unsigned char after = toUpper(before);
    if (after == before) continue;
    out[p + 1] = static_cast<char>(after);
    ++result.count;
  }
  return result;
}

}  // namespace brimlet
