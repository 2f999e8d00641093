// SPDX-License-Identifier: GPL-3.0-or-later
// A brimlet-cli recipe file.
#include <cstddef>
#include <cstdint>

#include "cli/recipe.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto text = boundedInput(data, size);
  if (!text) return 0;
  (void)brimlet::parseRecipe(*text);
  return 0;
}
