// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/chain_removal.h"

#include <limits>

#include "core/casemap.h"
#include "core/number.h"
#include "workshop/line_rebuild.h"
#include "workshop/span_rewrite.h"

namespace brimlet {
namespace {

constexpr size_t npos = std::string_view::npos;

}  // namespace

std::array<bool, 256> byteSelection(char byte, bool caseSensitive) {
  std::array<bool, 256> selected{};
  for (int b = 0; b < 256; ++b) {
    const auto candidate = static_cast<char>(b);
    selected[static_cast<unsigned char>(b)] =
        caseSensitive ? candidate == byte : sameIgnoringCase(candidate, byte);
  }
  return selected;
}

TextEdit removeChain(std::string_view text, std::string_view chain, ChainRemoval how,
                     Progress& progress) {
  // The first CR LF at or after `breakSearchedFrom`: the hits only move
  // forward, so it stays valid until a hit ends past it, and a text without
  // a CR LF after its hits is searched once instead of once per hit.
  size_t lineBreak = npos;
  size_t breakSearchedFrom = npos;
  return withoutSpans(text, progress, [&](size_t from) -> std::optional<Span> {
    const size_t hit = findBytes(text, chain, from);
    if (hit == npos) return std::nullopt;
    size_t end = hit + chain.size();
    if (how.toLineEnd) {
      if (breakSearchedFrom == npos || (lineBreak != npos && lineBreak < end)) {
        // The line is the one the chain ends in, so the removal never stops
        // short of the chain, even for a chain that holds a line break.
        lineBreak = findBytes(text, "\r\n", end);
        breakSearchedFrom = end;
      }
      if (lineBreak != npos) end = lineBreak + (how.withLineBreak ? 2 : 0);
    }
    return Span{hit, end};
  });
}

TextEdit removeWildcard(std::string_view text, const Wildcard& wildcard, Progress& progress) {
  return withoutSpans(text, progress,
                      [&](size_t from) { return findWildcard(text, wildcard, from); });
}

TextEdit removeRecords(std::string_view text, Progress& progress) {
  return withoutSpans(text, progress, [&](size_t from) -> std::optional<Span> {
    const size_t audit = findBytes(text, "Audit", from);
    if (audit == npos) return std::nullopt;
    const size_t sddl = findBytes(text, "Sddl", audit + 1);
    if (sddl == npos) return std::nullopt;
    const size_t emptyLine = findBytes(text, "\r\n\r\n", sddl + 1);
    if (emptyLine == npos) return std::nullopt;
    return Span{audit, emptyLine + 2};
  });
}

std::optional<NumberSequence> parseNumberSequence(std::string_view typed, bool fixedWidth) {
  const size_t prefix = !typed.empty() && (typed[0] < '0' || typed[0] > '9') ? 1 : 0;
  const std::string_view number = typed.substr(prefix);
  const std::optional<int64_t> start = integerValue64(number);
  if (!start) return std::nullopt;
  return NumberSequence{std::string(typed.substr(0, prefix)), *start, number.size(), fixedWidth};
}

std::string NumberSequence::text(int64_t number) const {
  std::string digits = decimal(number);
  if (!fixedWidth) return digits;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits.substr(digits.size() - width);
}

SequenceRemoval removeNumberSequence(std::string_view text, const NumberSequence& sequence,
                                     Progress& progress) {
  SequenceRemoval result;
  result.edit = withoutSpans(text, progress, [&](size_t from) -> std::optional<Span> {
    if (result.searched > 0) {
      // The largest number has no next one to search.
      if (sequence.start + (result.searched - 1) == std::numeric_limits<int64_t>::max()) {
        return std::nullopt;
      }
      // Each next number stands in a later line than the one removed.
      from = text.find('\r', from);
      if (from == npos) return std::nullopt;
    }
    const std::string pattern = sequence.prefix + sequence.text(sequence.start + result.searched);
    ++result.searched;
    const size_t hit = findBytes(text, pattern, from);
    if (hit == npos) return std::nullopt;
    return Span{hit, hit + pattern.size()};
  });
  return result;
}

TextEdit cutLinesAt(std::string_view text, std::string_view at, bool keepFirst,
                    Progress& progress) {
  int64_t cut = 0;
  std::string out = rebuildNonEmptyLines(text, progress, [&](std::string_view line) {
    const size_t hit = line.find(at);
    if (hit == npos) return line;
    ++cut;
    return line.substr(0, hit + (keepFirst ? 1 : 0));
  });
  return {std::move(out), cut};
}

}  // namespace brimlet
