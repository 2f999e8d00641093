// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace brimlet {

// Texts, counters and positions are built for files up to this size.
inline constexpr uint64_t kLargestTextBytes = (uint64_t{1} << 31) - 1;

// The largest file any loader takes in: an operation on a text of n bytes
// holds the working text, the undo copy and its result, so a third of the
// memory still available, and never more than kLargestTextBytes.
[[nodiscard]] uint64_t largestLoadableFile(uint64_t availableMemory);

// The same for the memory this process may still use now (the system's
// available memory, or the address-space limit when that is lower).
[[nodiscard]] uint64_t largestLoadableFile();

// Whether a file of `size` bytes may be loaded. Files up to 16 MiB are taken
// without a look at the memory, so reading many small files stays cheap.
[[nodiscard]] bool mayLoad(uint64_t size);

}  // namespace brimlet
