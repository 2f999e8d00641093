// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_cleanup.h"

#include "core/lines.h"

namespace brimlet {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Position of the last "\\" or "/", npos when there is none. A plain loop:
// find_last_of tests each byte against its set with a call.
size_t lastSeparator(std::string_view line) {
  for (size_t i = line.size(); i > 0; --i) {
    if (line[i - 1] == '\\' || line[i - 1] == '/') return i - 1;
  }
  return std::string_view::npos;
}

// A number at the end: digits with "," or ":" inside, preceded by digits,
// "," or a blank; the character that ends the run stays. A run that starts
// right after anything else ("Track12", "Song 1:23") is no number.
size_t trailingNumberLength(std::string_view line) {
  size_t cut = 0;
  while (cut < line.size()) {
    const char c = line[line.size() - 1 - cut];
    if (!isDigit(c) && c != ',' && c != ':') break;
    if (cut + 1 == line.size()) return 0;
    const char before = line[line.size() - 2 - cut];
    if (!isDigit(before) && before != ',' && before != ' ') return 0;
    ++cut;
  }
  return cut;
}

}  // namespace

std::string_view cleanLine(Cleanup cleanup, std::string_view line) {
  switch (cleanup) {
    case Cleanup::Paths: {
      if (line == "***") return line;
      const size_t separator = lastSeparator(line);
      return separator == std::string_view::npos ? line : line.substr(separator + 1);
    }
    case Cleanup::Extensions: {
      if (line == "***") return line;
      const size_t dot = line.rfind('.');
      const size_t separator = lastSeparator(line);
      if (dot == std::string_view::npos ||
          (separator != std::string_view::npos && separator > dot)) {
        return line;
      }
      return line.substr(0, dot);
    }
    case Cleanup::TrailingBlanks: {
      const size_t last = line.find_last_not_of(' ');
      return last == std::string_view::npos ? std::string_view{} : line.substr(0, last + 1);
    }
    case Cleanup::TrailingNumbers:
      return line.substr(0, line.size() - trailingNumberLength(line));
  }
  return line;
}

RewrittenBuckets cleanUpBuckets(Cleanup cleanup, std::span<const std::string_view> buckets,
                                Progress& progress) {
  const bool countsLines = cleanup == Cleanup::Paths || cleanup == Cleanup::Extensions;
  int64_t count = 0;
  RewrittenBuckets cleaned =
      rewriteBuckets(buckets, progress, [&](std::string_view line, std::string& out, bool) {
        const std::string_view kept = cleanLine(cleanup, line);
        out += kept;
        out += "\r\n";
        const size_t removed = line.size() - kept.size();
        count += countsLines ? (removed > 0 ? 1 : 0) : static_cast<int64_t>(removed);
        return true;
      });
  cleaned.counted = count;
  return cleaned;
}

}  // namespace brimlet
