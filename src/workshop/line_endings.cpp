// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_endings.h"

#include <algorithm>
#include <cstring>

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

}  // namespace

UnixConversion unixToCrLf(std::string_view text, Progress& progress) {
  UnixConversion result;
  result.lineFeeds = std::count(text.begin(), text.end(), '\n');
  if (result.lineFeeds == 0) {
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
