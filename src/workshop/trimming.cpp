// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/trimming.h"

#include <algorithm>

#include "core/casemap.h"
#include "core/wide_vectors.h"
#include "workshop/byte_compaction.h"
#include "workshop/crlf_lines.h"
#include "workshop/slice_rewrite.h"

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

// Whether the byte after `byte` starts a word: after a blank, hyphen or LF.
// Compared by the smallest difference, since the compiler makes a bit test
// of the plain comparisons that it cannot turn into vector code.
bool startsWord(char byte) {
  const auto blank = static_cast<unsigned char>(byte ^ ' ');
  const auto hyphen = static_cast<unsigned char>(byte ^ '-');
  const auto lineFeed = static_cast<unsigned char>(byte ^ '\n');
  return std::min({blank, hyphen, lineFeed}) == 0;
}

// Whether a byte follows a word separator depends on the byte before it in
// the old text alone: the upper-case table never makes or takes one. So
// every byte is decided on its own, in loops of vector code. `before` is the
// byte before the slice; returns how many bytes changed.
BRIMLET_WIDE_VECTORS unsigned capitaliseSlice(const char* from, size_t size, char before,
                                              char* to) {
  to[0] = startsWord(before) ? upperByRanges(from[0]) : from[0];
  for (size_t i = 1; i < size; ++i) {
    to[i] = startsWord(from[i - 1]) ? upperByRanges(from[i]) : from[i];
  }
  // 32 bits hold a slice's count and keep the vectors' lanes narrow.
  unsigned changed = 0;
  for (size_t i = 0; i < size; ++i) changed += to[i] != from[i] ? 1U : 0U;
  return changed;
}

}  // namespace

TextEdit trimLines(std::string_view text, TrimSide side) {
  TextEdit result;
  result.text.reserve(text.size() + 2);
  // Lines that stay as they were, CR LF and all, are copied in runs.
  size_t run = 0;
  CrLfLines lines(text);
  while (const std::optional<std::string_view> line = lines.next()) {
    const std::string_view kept = trimmed(*line, side);
    const auto start = static_cast<size_t>(line->data() - text.data());
    const size_t end = start + line->size();
    if (kept.size() != line->size()) {
      ++result.count;
    } else if (text.substr(end, 2) == "\r\n") {
      continue;
    }
    result.text.append(text, run, start - run);
    result.text.append(kept);
    result.text += "\r\n";
    run = std::min(text.size(), end + 2);
  }
  result.text.append(text, run);
  return result;
}

TextEdit collapseBlanks(std::string_view text, Progress& progress) {
  static_assert(kSliceRoom >= kCompactionRoom);
  bool afterBlank = false;
  std::string out =
      rewriteSlices(text, progress, [&afterBlank](const char* from, size_t size, char* to) {
        return collapseBlankRuns(from, size, afterBlank, to);
      });
  const auto removed = static_cast<int64_t>(text.size() - out.size());
  return {std::move(out), removed};
}

std::string lowerCase(std::string_view text) {
  NoProgress quiet;
  return rewriteSlices(text, quiet, [](const char* from, size_t size, char* to) {
    lowerBytes(from, size, to);
    return size;
  });
}

std::string upperCase(std::string_view text) {
  NoProgress quiet;
  return rewriteSlices(text, quiet, [](const char* from, size_t size, char* to) {
    upperBytes(from, size, to);
    return size;
  });
}

TextEdit capitaliseWordStarts(std::string_view text) {
  TextEdit result;
  NoProgress quiet;
  char before = 'x';  // the first byte of the text has no predecessor
  result.text = rewriteSlices(text, quiet, [&](const char* from, size_t size, char* to) {
    result.count += static_cast<int64_t>(capitaliseSlice(from, size, before, to));
    before = from[size - 1];
    return size;
  });
  return result;
}

}  // namespace brimlet
