// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_prefix.h"

#include <algorithm>

#include "workshop/progress_ticker.h"

namespace brimlet {

TextEdit removeLinePrefix(std::string_view text, std::string_view needle, Progress& progress) {
  TextEdit result;
  size_t start = 0;
  while (text.substr(start).starts_with(needle)) {
    start += needle.size();
    ++result.count;
  }
  text.remove_prefix(start);

  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  std::string& out = result.text;
  out.reserve(text.size());
  const size_t resume = std::max<size_t>(needle.size(), 2);
  size_t copied = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t cr = text.find('\r', pos);
    if (cr == std::string_view::npos) break;
    if (cr + 1 < text.size() && text[cr + 1] == '\n' && text.substr(cr + 2).starts_with(needle)) {
      out.append(text, copied, cr + 2 - copied);
      copied = cr + 2 + needle.size();
      ++result.count;
      ticker.at(static_cast<int64_t>(cr));
      pos = cr + resume;
    } else {
      pos = cr + 1;
    }
  }
  if (copied < text.size()) out.append(text, copied);
  return result;
}

}  // namespace brimlet
