// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/lines.h"
#include "core/progress.h"
#include "lister/group_sort.h"

namespace brimlet {

// Runs every line of every bucket through `rewrite(line, out)`, which
// appends the line's new form with its CR LF to `out` (or nothing, to drop
// it) and returns whether the line counts. `out` starts empty for each
// bucket. A bucket whose new text would be empty keeps its old one, so a
// rewrite never empties a group; a tail after the last CR (the NUL a pasted
// list ends with) stays as it is. Line counts follow the new texts.
// Progress counts lines across all buckets. Returns the counted lines.
template <class Rewrite>
int64_t rewriteBuckets(Buckets& buckets, Progress& progress, Rewrite rewrite) {
  int64_t counted = 0;
  int64_t number = 0;
  buckets.total = 0;
  for (size_t i = 0; i < buckets.texts.size(); ++i) {
    std::string& text = buckets.texts[i];
    std::string out;
    out.reserve(text.size());
    LineWalker lines(text);
    while (const auto line = lines.next()) {
      if (rewrite(*line, out)) ++counted;
      progress.setValue(++number);
    }
    if (!out.empty()) {
      out += lines.rest();
      text = std::move(out);
    }
    const auto lineCount = static_cast<int64_t>(countCr(text));
    if (i < buckets.counts.size()) buckets.counts[i] = lineCount;
    buckets.total += lineCount;
  }
  return counted;
}

}  // namespace brimlet
