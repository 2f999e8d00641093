// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/binary_filter.h"

#include <algorithm>
#include <array>

#include "workshop/progress_ticker.h"

namespace brimlet {
namespace {

enum class ByteKind : unsigned char { Kept, Removed, Special, LineBreak };

struct Range {
  int first;
  int last;
};

constexpr Range kRemoved[] = {
    {0, 9},     {11, 12},   {14, 31},   {43, 43},   {127, 127}, {129, 129}, {131, 131}, {133, 144},
    {149, 149}, {152, 152}, {154, 162}, {164, 164}, {166, 166}, {168, 168}, {170, 170}, {172, 186},
    {188, 195}, {197, 213}, {215, 219}, {221, 222}, {224, 227}, {229, 245}, {247, 251}, {253, 255}};

constexpr Range kSpecial[] = {
    {35, 37},   {42, 42},   {60, 60},   {62, 62},   {64, 64},   {91, 91},   {93, 94},
    {96, 96},   {123, 125}, {128, 128}, {130, 130}, {132, 132}, {145, 148}, {150, 151},
    {153, 153}, {163, 163}, {165, 165}, {167, 167}, {169, 169}, {171, 171}, {187, 187}};

constexpr std::array<ByteKind, 256> kinds() {
  std::array<ByteKind, 256> kind{};
  for (const Range& r : kRemoved) {
    for (int b = r.first; b <= r.last; ++b) kind[static_cast<size_t>(b)] = ByteKind::Removed;
  }
  for (const Range& r : kSpecial) {
    for (int b = r.first; b <= r.last; ++b) kind[static_cast<size_t>(b)] = ByteKind::Special;
  }
  kind['\r'] = ByteKind::LineBreak;
  kind['\n'] = ByteKind::LineBreak;
  return kind;
}

constexpr std::array<ByteKind, 256> kKinds = kinds();

}  // namespace

namespace {

// Without inserted breaks every byte is either kept or not: one
// branch-free pass that writes each byte and advances only past kept ones.
BinaryFilterResult dropOnly(std::string_view text, BreakMode mode, bool special,
                            Progress& progress) {
  std::array<unsigned char, 256> keep{};
  for (size_t b = 0; b < 256; ++b) {
    const ByteKind kind = kKinds[b];
    keep[b] = kind == ByteKind::Kept || (kind == ByteKind::Special && !special) ||
              (kind == ByteKind::LineBreak && mode != BreakMode::DropBreaks);
  }
  BinaryFilterResult result;
  result.text.resize(text.size());
  char* out = result.text.data();
  size_t kept = 0;
  constexpr size_t kChunk = size_t{1} << 16;
  progress.setMaximum(static_cast<int64_t>(text.size()));
  for (size_t chunk = 0; chunk < text.size(); chunk += kChunk) {
    progress.setValue(static_cast<int64_t>(chunk));
    const size_t end = std::min(text.size(), chunk + kChunk);
    for (size_t i = chunk; i < end; ++i) {
      const char c = text[i];
      out[kept] = c;
      kept += keep[static_cast<unsigned char>(c)];
    }
  }
  result.text.resize(kept);
  result.removed = static_cast<int64_t>(text.size() - kept);
  return result;
}

}  // namespace

BinaryFilterResult filterBinary(std::string_view text, BreakMode mode, bool special,
                                Progress& progress) {
  if (mode == BreakMode::None || mode == BreakMode::DropBreaks) {
    return dropOnly(text, mode, special, progress);
  }
  BinaryFilterResult result;
  std::string& out = result.text;
  out.reserve(text.size() + text.size() / 8);
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  int64_t kept = 0;  // kept input bytes, inserted breaks not counted
  const size_t last = text.size() - 1;
  for (size_t i = 0; i < text.size(); ++i) {
    ticker.at(static_cast<int64_t>(i));
    const char c = text[i];
    switch (kKinds[static_cast<unsigned char>(c)]) {
      case ByteKind::Special:
        if (!special) break;
        [[fallthrough]];
      case ByteKind::Removed:
        ++result.removed;
        continue;
      case ByteKind::LineBreak:
        if (mode == BreakMode::DropBreaks) {
          ++result.removed;
        } else {
          out += c;
          ++kept;
        }
        continue;
      case ByteKind::Kept:
        break;
    }
    out += c;
    const int64_t keptBefore = kept++;
    if (i == last) break;
    switch (mode) {
      case BreakMode::DriveLetter:
        if (c == ':' && i > 1) {
          // The break goes before the letter that the colon follows, or
          // before the colon alone when nothing was kept ahead of it.
          const size_t size = out.size();
          const char letter = size >= 2 ? out[size - 2] : '\0';
          out.resize(size >= 2 ? size - 2 : size - 1);
          out += "\r\n";
          if (size >= 2) out += letter;
          out += ':';
          ++result.breaks;
        }
        break;
      case BreakMode::Every80:
        if (keptBefore > 0 && keptBefore % 80 == 0) {
          out += "\r\n";
          ++result.breaks;
        }
        break;
      case BreakMode::AfterBlank:
        if (c == ' ' && i > 0) {
          out += "\r\n";
          ++result.breaks;
        }
        break;
      default:
        break;
    }
  }
  return result;
}

}  // namespace brimlet
