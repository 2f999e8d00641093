// SPDX-License-Identifier: GPL-3.0-or-later
// Chains as typed into the workshop, decoded, then used as wildcards for
// finding, replacing and removing. Input: flag byte, then search chain,
// replacement chain and kept form, each ended by NUL, then the text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/progress.h"
#include "fuzz_input.h"
#include "workshop/chain_match.h"
#include "workshop/chain_removal.h"
#include "workshop/replacing.h"
#include "workshop/typed_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto input = boundedInput(data, size);
  if (!input || input->empty()) return 0;
  const bool codes = (data[0] & 1) != 0;
  const auto fields = nulFields(input->substr(1), 4);
  (void)brimlet::byteOfCode(fields[0]);
  (void)brimlet::typedEntry(fields[0], codes);
  const auto find = brimlet::decodeTypedChain(fields[0], codes);
  const auto replacement = brimlet::decodeTypedChain(fields[1], false);
  if (!find || !replacement) return 0;
  const auto wildcard = brimlet::splitWildcard(*find);
  if (!wildcard) return 0;
  const std::string_view text = fields[3];
  for (size_t from = 0; const auto span = brimlet::findWildcard(text, *wildcard, from);
       from = span->end) {
    if (span->begin < from || span->end <= span->begin || span->end > text.size()) {
      __builtin_trap();
    }
  }
  brimlet::NoProgress progress;
  (void)brimlet::replaceWildcard(text, *wildcard, *replacement, brimlet::splitWildcard(fields[2]),
                                 progress);
  const auto removal = brimlet::removeWildcard(text, *wildcard, progress);
  if (removal.text.size() > text.size()) __builtin_trap();
  return 0;
}
