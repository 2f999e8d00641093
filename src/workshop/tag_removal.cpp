// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/tag_removal.h"

#include <algorithm>

#include "workshop/progress_ticker.h"

namespace brimlet {
namespace {

// Occurrences that may overlap: the search goes on one byte after each hit.
int64_t countOverlapping(std::string_view text, std::string_view needle) {
  int64_t count = 0;
  for (size_t at = text.find(needle); at != std::string_view::npos;
       at = text.find(needle, at + 1)) {
    ++count;
  }
  return count;
}

}  // namespace

TagRemoval removeTags(std::string_view text, std::string_view open, std::string_view close,
                      Progress& progress) {
  TagRemoval result;
  // An empty delimiter matches everywhere without moving the walk on.
  if (open.empty() || close.empty()) return result;
  const int64_t opens = countOverlapping(text, open);
  const int64_t closes = opens == 0 ? 0 : countOverlapping(text, close);
  if (opens == 0 || closes == 0) return result;
  result.delimitersFound = true;
  progress.setMaximum(std::min(opens, closes));
  result.text.reserve(text.size());
  ProgressTicker ticker(progress, 4096);
  size_t kept = 0;
  while (true) {
    const size_t start = text.find(open, kept);
    if (start == std::string_view::npos) break;
    const size_t end = text.find(close, start + open.size());
    if (end == std::string_view::npos) break;
    result.text.append(text, kept, start - kept);
    kept = end + close.size();
    ticker.at(++result.tags);
  }
  result.text.append(text, kept);
  return result;
}

}  // namespace brimlet
