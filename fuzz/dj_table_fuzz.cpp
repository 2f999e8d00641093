// SPDX-License-Identifier: GPL-3.0-or-later
// A DJ database converted into a table in the workshop, with each unit
// option. Input: option byte, then the database text.
#include <cstddef>
#include <cstdint>

#include "core/progress.h"
#include "fuzz_input.h"
#include "workshop/dj_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto input = boundedInput(data, size);
  if (!input || input->empty()) return 0;
  const brimlet::DjTableOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
  const auto text = input->substr(1);
  if (brimlet::countDjSongs(text) < 0) __builtin_trap();
  brimlet::NoProgress progress;
  (void)brimlet::djTable(text, options, progress);
  return 0;
}
