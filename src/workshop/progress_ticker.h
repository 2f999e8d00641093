// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/progress.h"

namespace brimlet {

// Passes a loop's position on to a Progress only once per stride, so that a
// loop may report every hit without the reporting costing more than the hit.
class ProgressTicker {
 public:
  explicit ProgressTicker(Progress& progress, int64_t stride = int64_t{1} << 16)
      : progress_(progress), stride_(stride) {}

  void at(int64_t value) {
    if (value < next_) return;
    progress_.setValue(value);
    next_ = value + stride_;
  }

 private:
  Progress& progress_;
  int64_t stride_;
  int64_t next_ = 0;
};

// For a comparison sort, which reports nothing itself for seconds on a large
// text: the comparator calls at() once per comparison, with a weight for one
// that walked long lines, and the progress moves by the share of the about
// n log2 n comparisons the sort makes. Each report is a cancel point.
class SortTicker {
 public:
  SortTicker(Progress& progress, int64_t count)
      : progress_(progress),
        count_(count),
        perStep_(std::bit_width(static_cast<uint64_t>(count < 2 ? 2 : count))) {}

  void at(int64_t weight = 1) {
    budget_ -= weight;
    if (budget_ <= 0) report();
  }

 private:
  static constexpr int64_t kStride = int64_t{1} << 14;

  void report() {
    done_ += kStride - budget_;
    budget_ = kStride;
    progress_.setValue(std::min(count_, done_ / perStep_));
  }

  Progress& progress_;
  int64_t count_;
  int64_t perStep_;
  int64_t budget_ = kStride;
  int64_t done_ = 0;
};

}  // namespace brimlet
