// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace brimlet::testing {

// While one lives, every allocation larger than `largestBlock` bytes throws
// std::bad_alloc, as it would with the memory used up. A test uses it to see
// that a step copies no large text (the step would fail) and that a
// handler survives running out of memory. Only test executables that link
// allocation_limit.cpp have it.
class AllocationLimit {
 public:
  explicit AllocationLimit(size_t largestBlock);
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;

 private:
  size_t previous_;
};

}  // namespace brimlet::testing
