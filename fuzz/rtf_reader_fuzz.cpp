// SPDX-License-Identifier: GPL-3.0-or-later
// An RTF document opened in the display window.
#include <cstddef>
#include <cstdint>

#include "display/rtf_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto rtf = boundedInput(data, size);
  if (!rtf) return 0;
  const auto unicode = brimlet::rtfToUnicode(*rtf);
  const auto text = brimlet::rtfToText(*rtf);
  if (unicode.has_value() != text.has_value()) __builtin_trap();
  return 0;
}
