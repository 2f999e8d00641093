// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/allocation_limit.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace brimlet::testing {
namespace {

size_t largestAllowed = std::numeric_limits<size_t>::max();

}  // namespace

AllocationLimit::AllocationLimit(size_t largestBlock) : previous_(largestAllowed) {
  largestAllowed = largestBlock;
}

AllocationLimit::~AllocationLimit() { largestAllowed = previous_; }

}  // namespace brimlet::testing

// The library's other forms (arrays, nothrow, sized delete) call these two.
void* operator new(size_t size) {
  if (size > brimlet::testing::largestAllowed) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
