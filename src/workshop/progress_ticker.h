#pragma once

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

}  // namespace brimlet
