// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/reversal.h"

#include <algorithm>

#include "workshop/crlf_lines.h"
#include "workshop/progress_ticker.h"

namespace brimlet {

namespace {

// Length of the text once it has its final line end.
size_t sizeWithFinalLineEnd(std::string_view text) {
  if (text.ends_with("\r\n")) return text.size();
  return text.size() + (text.ends_with('\n') ? 1 : 2);
}

// The last line as CrLfLines reads it.
std::string_view lastLine(std::string_view text) {
  if (text.ends_with("\r\n")) {
    text.remove_suffix(2);
  } else if (text.ends_with('\n')) {
    text.remove_suffix(1);
  }
  const size_t lineEnd = text.rfind("\r\n");
  return lineEnd == std::string_view::npos ? text : text.substr(lineEnd + 2);
}

char* putLine(char* at, std::string_view line) {
  std::copy(line.begin(), line.end(), at);
  at += line.size();
  *at++ = '\r';
  *at++ = '\n';
  return at;
}

}  // namespace

std::string reverseLines(std::string_view text, bool pairs, Progress& progress) {
  const size_t lines = countLines(text);
  const size_t group = pairs ? 2 : 1;
  const size_t groups = lines / group;
  std::string out(sizeWithFinalLineEnd(text), '\0');
  // The groups fill the buffer from its end backwards; a line left over
  // from the last pair stays at the very end.
  size_t end = out.size();
  if (groups * group < lines) {
    const std::string_view odd = lastLine(text);
    end -= odd.size() + 2;
    putLine(out.data() + end, odd);
  }
  progress.setMaximum(static_cast<int64_t>(groups));
  ProgressTicker ticker(progress);
  CrLfLines walker(text);
  for (size_t g = 0; g < groups; ++g) {
    const std::string_view first = *walker.next();
    const std::string_view second = pairs ? *walker.next() : std::string_view{};
    end -= first.size() + 2 + (pairs ? second.size() + 2 : 0);
    char* at = putLine(out.data() + end, first);
    if (pairs) putLine(at, second);
    ticker.at(static_cast<int64_t>(g));
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
