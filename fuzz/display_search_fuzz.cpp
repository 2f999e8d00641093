// SPDX-License-Identifier: GPL-3.0-or-later
// The display window's searches: the search text (plain, a "<<<" code, or
// an exclusion "A" CR LF "B") against a field text, from any caret.
// Input: caret byte, direction byte, search text, NUL, field text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "display/display_search.h"
#include "display/field_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto caret = static_cast<int64_t>(data[0]) - 8;
  const bool forward = (data[1] & 1) != 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  const size_t nul = rest.find('\0');
  const std::string_view search = rest.substr(0, nul);
  const std::string field =
      brimlet::withCrLfLineEnds(nul == std::string_view::npos ? "" : rest.substr(nul + 1));
  const int64_t fields = brimlet::byteToField(field, static_cast<int64_t>(field.size()));
  auto within = [fields](const brimlet::FieldSelection& s) {
    if (s.start < 0 || s.length < 0 || s.start > fields) __builtin_trap();
  };
  if (const auto hit = brimlet::searchField(field, search, caret, forward)) within(*hit);
  if (const auto hit = brimlet::selectNext(field, search, caret)) within(*hit);
  if (const auto found = brimlet::exclusionSearch(field, search, caret, forward)) {
    if (found->selection) within(*found->selection);
  }
  return 0;
}
