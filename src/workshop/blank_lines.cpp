#include "workshop/blank_lines.h"

#include "workshop/line_prefix.h"
#include "workshop/progress_ticker.h"

namespace brimlet {

TextEdit removeEmptyLines(std::string_view text, Progress& progress) {
  return removeLinePrefix(text, "\r\n", progress);
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
