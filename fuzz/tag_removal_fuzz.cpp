// SPDX-License-Identifier: GPL-3.0-or-later
// Tag removal in the workshop. Input: opening delimiter, NUL, closing
// delimiter, NUL, text.
#include <cstddef>
#include <cstdint>

#include "core/progress.h"
#include "fuzz_input.h"
#include "workshop/tag_removal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto input = boundedInput(data, size);
  if (!input) return 0;
  const auto fields = nulFields(*input, 3);
  brimlet::NoProgress progress;
  const auto removal = brimlet::removeTags(fields[2], fields[0], fields[1], progress);
  if (removal.text.size() > fields[2].size() || removal.tags < 0) __builtin_trap();
  return 0;
}
