// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/progress.h"
#include "workshop/crlf_lines.h"
#include "workshop/progress_ticker.h"

namespace brimlet {

// Rebuilds a text from its lines (as CrLfLines reads them) after `cut` has
// shortened each one; a line that is empty afterwards, or was empty before,
// is left out, every other line gets CR LF. The result is never longer than
// the text with its final line end.
template <class Cut>
[[nodiscard]] std::string rebuildNonEmptyLines(std::string_view text, Progress& progress,
                                               Cut&& cut) {
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  std::string out;
  out.reserve(text.size() + 2);
  CrLfLines lines(text);
  int64_t read = 0;
  while (const std::optional<std::string_view> line = lines.next()) {
    read += static_cast<int64_t>(line->size()) + 2;
    ticker.at(read);
    const std::string_view kept = cut(*line);
    if (kept.empty()) continue;
    out.append(kept);
    out += "\r\n";
  }
  return out;
}

}  // namespace brimlet
