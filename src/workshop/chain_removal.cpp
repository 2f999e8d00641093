// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/chain_removal.h"

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
  const auto wanted = static_cast<unsigned char>(byte);
  for (int b = 0; b < 256; ++b) {
    const auto candidate = static_cast<unsigned char>(b);
    selected[candidate] =
        caseSensitive ? candidate == wanted : toLower(candidate) == toLower(wanted);
  }
  return selected;
}

TextEdit removeChain(std::string_view text, std::string_view chain, ChainRemoval how,
                     Progress& progress) {
  return withoutSpans(text, progress, [&](size_t from) -> std::optional<Span> {
    const size_t hit = findBytes(text, chain, from);
    if (hit == npos) return std::nullopt;
    size_t end = hit + chain.size();
    if (how.toLineEnd) {
      // The line is the one the chain ends in, so the removal never stops
      // short of the chain, even for a chain that holds a line break.
      if (const size_t lineEnd = findBytes(text, "\r\n", end); lineEnd != npos) {
        end = lineEnd + (how.withLineBreak ? 2 : 0);
      }
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

NumberSequence parseNumberSequence(std::string_view typed, bool fixedWidth) {
  const size_t prefix = !typed.empty() && (typed[0] < '0' || typed[0] > '9') ? 1 : 0;
  return {std::string(typed.substr(0, prefix)), std::string(typed.substr(prefix)), fixedWidth};
}

namespace {

// The number as the sequence writes it: with fixed width padded with zeros
// and cut to its last `width` digits, so that 99 is followed by 00.
std::string numberText(int64_t number, size_t width, bool fixedWidth) {
  std::string digits = decimal(number);
  if (!fixedWidth) return digits;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits.substr(digits.size() - width);
}

}  // namespace

SequenceRemoval removeNumberSequence(std::string_view text, const NumberSequence& sequence,
                                     Progress& progress) {
  SequenceRemoval result;
  const size_t width = sequence.number.size();
  int64_t number = integerValue(sequence.number);
  std::string current = numberText(number, width, sequence.fixedWidth);
  bool first = true;
  result.edit = withoutSpans(text, progress, [&](size_t from) -> std::optional<Span> {
    if (!first) {
      // Each next number stands in a later line than the one removed.
      from = text.find('\r', from);
      if (from == npos) return std::nullopt;
    }
    first = false;
    result.searched.push_back(current);
    const std::string pattern = sequence.prefix + current;
    const size_t hit = findBytes(text, pattern, from);
    if (hit == npos) return std::nullopt;
    current = numberText(++number, width, sequence.fixedWidth);
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
