// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/progress.h"

namespace brimlet {

// Slices are small enough for their buffer to stay in the cache; the buffer
// has room past the slice's size for rewrites that store whole vectors.
inline constexpr size_t kSlice = size_t{1} << 16;
inline constexpr size_t kSliceRoom = 16;

// Rewrites the text a slice at a time into a buffer that stays in the cache
// and appends each slice's result to the new text, reserved once at
// `resultSize`, so the new text's memory is written once; built in place at
// its final size it would be zeroed first. `rewrite(from, size, to)` writes
// the slice's result (at most `kGrowth` times `size` bytes) to `to` and
// returns its length; it may keep state from one slice to the next, and may
// write kSliceRoom bytes past its result. Progress runs over the positions
// of the text, reported after every slice.
template <size_t kGrowth, class Rewrite>
[[nodiscard]] std::string rewriteSlices(std::string_view text, size_t resultSize,
                                        Progress& progress, Rewrite&& rewrite) {
  progress.setMaximum(static_cast<int64_t>(text.size()) - 1);
  std::string out;
  out.reserve(resultSize);
  std::vector<char> buffer(kGrowth * kSlice + kSliceRoom);
  for (size_t start = 0; start < text.size(); start += kSlice) {
    const size_t size = std::min(kSlice, text.size() - start);
    out.append(buffer.data(), rewrite(text.data() + start, size, buffer.data()));
    progress.setValue(static_cast<int64_t>(start + size) - 1);
  }
  return out;
}

// The rewrite of a slice that never grows it.
template <class Rewrite>
[[nodiscard]] std::string rewriteSlices(std::string_view text, Progress& progress,
                                        Rewrite&& rewrite) {
  return rewriteSlices<1>(text, text.size(), progress, std::forward<Rewrite>(rewrite));
}

}  // namespace brimlet
