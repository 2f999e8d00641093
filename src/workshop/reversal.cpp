#include "workshop/reversal.h"

#include <algorithm>
#include <vector>

#include "workshop/crlf_lines.h"
#include "workshop/progress_ticker.h"

namespace brimlet {

std::string reverseLines(std::string_view text, bool pairs, Progress& progress) {
  std::vector<std::string_view> lines;
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) lines.push_back(*line);
  const size_t group = pairs ? 2 : 1;
  const size_t groups = lines.size() / group;
  progress.setMaximum(static_cast<int64_t>(groups));
  ProgressTicker ticker(progress);
  std::string out;
  out.reserve(text.size() + 2);
  for (size_t g = groups; g-- > 0;) {
    for (size_t i = g * group; i < (g + 1) * group; ++i) {
      out.append(lines[i]);
      out += "\r\n";
    }
    ticker.at(static_cast<int64_t>(groups - g));
  }
  for (size_t i = groups * group; i < lines.size(); ++i) {
    out.append(lines[i]);
    out += "\r\n";
  }
  return out;
}

TextEdit reverseLineBytes(std::string_view text, bool pairs, Progress& progress) {
  TextEdit result;
  std::string& out = result.text;
  out.reserve(text.size() + 2);
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  CrLfLines lines(text);
  while (const std::optional<std::string_view> line = lines.next()) {
    const size_t start = out.size();
    out.append(*line);
    char* bytes = out.data() + start;
    const size_t length = line->size();
    if (!pairs) {
      std::reverse(bytes, bytes + length);
    } else if (length >= 3) {
      // Reversing all bytes and then each pair back puts the pairs in
      // reverse order with their own order kept; an odd last byte ends up
      // in front, alone.
      std::reverse(bytes, bytes + length);
      for (size_t p = length % 2; p + 1 < length; p += 2) std::swap(bytes[p], bytes[p + 1]);
    }
    out += "\r\n";
    ++result.count;
    ticker.at(static_cast<int64_t>(out.size()));
  }
  return result;
}

}  // namespace brimlet
