// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_edges.h"

#include <string>

#include "workshop/line_prefix.h"
#include "workshop/line_rebuild.h"
#include "workshop/span_rewrite.h"

namespace brimlet {
namespace {

bool isDigit(char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

TextEdit removeEntryAtLineEdges(std::string_view text, std::string_view entry, LineEdge edge,
                                Progress& progress) {
  if (edge == LineEdge::Start && entry.size() == 1) return removeLinePrefix(text, entry, progress);
  const std::string pattern =
      edge == LineEdge::Start ? "\r\n" + std::string(entry) : std::string(entry) + "\r\n";
  const size_t offset = edge == LineEdge::Start ? 2 : 0;
  return withoutSpans(text, progress, [&](size_t from) -> std::optional<Span> {
    const size_t hit = findBytes(text, pattern, from);
    if (hit == std::string_view::npos) return std::nullopt;
    return Span{hit + offset, hit + offset + 1};
  });
}

TextEdit cutLineEdges(std::string_view text, int64_t count, LineEdge edge, Progress& progress) {
  int64_t lines = 0;
  const auto cut = static_cast<size_t>(count);
  std::string out = rebuildNonEmptyLines(text, progress, [&](std::string_view line) {
    if (line.empty()) return line;
    ++lines;
    if (line.size() <= cut) return std::string_view{};
    return edge == LineEdge::Start ? line.substr(cut) : line.substr(0, line.size() - cut);
  });
  return {std::move(out), lines};
}

TextEdit removeEdgeDigits(std::string_view text, LineEdge edge, Progress& progress) {
  int64_t digits = 0;
  std::string out = rebuildNonEmptyLines(text, progress, [&](std::string_view line) {
    size_t run = 0;
    if (edge == LineEdge::Start) {
      while (run < line.size() && isDigit(line[run])) ++run;
      line.remove_prefix(run);
    } else {
      while (run < line.size() && isDigit(line[line.size() - 1 - run])) ++run;
      line.remove_suffix(run);
    }
    digits += static_cast<int64_t>(run);
    return line;
  });
  return {std::move(out), digits};
}

}  // namespace brimlet
