// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/blank_lines.h"

#include <array>

#include "workshop/byte_compaction.h"
#include "workshop/progress_ticker.h"
#include "workshop/slice_rewrite.h"

namespace brimlet {

TextEdit removeEmptyLines(std::string_view text, Progress& progress) {
  static_assert(kSliceRoom >= kCompactionRoom);
  const char* begin = text.data();
  const char* end = begin + text.size();
  std::string out = rewriteSlices(text, progress, [&](const char* from, size_t size, char* to) {
    std::array<char, 3> before{'.', '\r', '\n'};
    const auto offset = static_cast<size_t>(from - begin);
    for (size_t k = 0; k < before.size(); ++k) {
      if (offset + k >= before.size()) before[k] = begin[offset + k - before.size()];
    }
    return dropEmptyLines(from, size, before, from + size < end ? from[size] : '\0', to);
  });
  const auto removed = static_cast<int64_t>(text.size() - out.size()) / 2;
  return {std::move(out), removed};
}

TextEdit thinEmptyLines(std::string_view text, Progress& progress) {
  constexpr std::string_view kTwoEmpty = "\r\n\r\n";
  constexpr std::string_view kThreeEnds = "\r\n\r\n\r\n";
  TextEdit result;
  while (text.starts_with(kTwoEmpty)) {
    text.remove_prefix(2);
    ++result.count;
  }

  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  std::string& out = result.text;
  out.reserve(text.size());
  size_t copied = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t cr = text.find('\r', pos);
    if (cr == std::string_view::npos) break;
    if (text.substr(cr).starts_with(kThreeEnds)) {
      // The first of the three line ends goes; the search goes on at the
      // second, so a longer run keeps losing pairs until two are left.
      out.append(text, copied, cr - copied);
      copied = cr + 2;
      ++result.count;
      ticker.at(static_cast<int64_t>(cr));
      pos = cr + 2;
    } else {
      pos = cr + 1;
    }
  }
  out.append(text, copied);
  return result;
}

}  // namespace brimlet
