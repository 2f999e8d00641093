// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/inserting.h"

#include <algorithm>
#include <string>

#include "core/number.h"
#include "workshop/crlf_lines.h"
#include "workshop/progress_ticker.h"

namespace brimlet {

TextEdit insertAtLines(std::string_view text, std::string_view entry, LineEdge edge, bool skipEmpty,
                       Progress& progress) {
  TextEdit result;
  const size_t lines = countLines(text);
  std::string& out = result.text;
  out.reserve(text.size() + 2 + lines * entry.size());
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) {
    if (line->empty() && skipEmpty) {
      out += "\r\n";
      continue;
    }
    if (edge == LineEdge::Start) out.append(entry);
    out.append(*line);
    if (edge == LineEdge::End) out.append(entry);
    out += "\r\n";
    ++result.count;
    ticker.at(static_cast<int64_t>(out.size()));
  }
  return result;
}

NumberingTemplate readNumberingTemplate(std::string_view typed) {
  return {static_cast<int>(std::min<size_t>(typed.size(), 9)),
          std::clamp(integerValue(typed), 0, 999999000)};
}

namespace {

// Adds one to a run of decimal digits; the caller leaves room for the carry.
void increment(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
}

}  // namespace

TextEdit numberLines(std::string_view text, const Numbering& numbering, Progress& progress) {
  TextEdit result;
  const size_t lines = countLines(text);
  const std::string last = decimal(numbering.from.offset + static_cast<int64_t>(lines));
  const size_t width = std::max(static_cast<size_t>(numbering.from.minimumWidth), last.size());
  std::string number = decimal(numbering.from.offset + 1);
  number.insert(0, width - number.size(), '0');
  const bool emptyStays = numbering.skipEmpty || numbering.atEnd;
  const std::string_view gap = numbering.noBlank || numbering.atEnd ? "" : " ";

  std::string& out = result.text;
  out.reserve(text.size() + 2 + lines * (width + gap.size()));
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) {
    if (line->empty() && emptyStays) {
      out += "\r\n";
      continue;
    }
    if (numbering.atEnd) {
      out.append(*line);
      out.append(number);
    } else {
      out.append(number);
      out.append(gap);
      out.append(*line);
    }
    out += "\r\n";
    increment(number);
    ++result.count;
    ticker.at(static_cast<int64_t>(out.size()));
  }
  return result;
}

}  // namespace brimlet
