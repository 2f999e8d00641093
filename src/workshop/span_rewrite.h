// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/progress.h"
#include "workshop/chain_match.h"
#include "workshop/progress_ticker.h"
#include "workshop/text_edit.h"

namespace brimlet {

// Copies the text with every span that `next` finds rewritten by `emit`,
// which appends the span's replacement (nothing, to remove it). Each span
// is searched from the end of the one before and never read again; `next`
// returns nothing when no span is left. The count is the number of spans.
template <class Next, class Emit>
[[nodiscard]] TextEdit rewriteSpans(std::string_view text, size_t reserve, Progress& progress,
                                    Next&& next, Emit&& emit) {
  TextEdit result;
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  std::string& out = result.text;
  out.reserve(reserve);
  size_t copied = 0;
  while (const std::optional<Span> span = next(copied)) {
    out.append(text, copied, span->begin - copied);
    emit(out, *span);
    copied = span->end;
    ++result.count;
    ticker.at(static_cast<int64_t>(copied));
  }
  out.append(text, copied);
  return result;
}

template <class Next>
[[nodiscard]] TextEdit withoutSpans(std::string_view text, Progress& progress, Next&& next) {
  return rewriteSpans(text, text.size(), progress, std::forward<Next>(next),
                      [](std::string&, Span) {});
}

}  // namespace brimlet
