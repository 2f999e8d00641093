// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a fuzz input into NUL-separated fields. Inputs past `bound` bytes
// are refused: some outputs grow with every match, and a run that spends its
// time copying them finds nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

inline std::optional<std::string_view> boundedInput(const uint8_t* data, size_t size,
                                                    size_t bound = 4096) {
  if (size > bound) return std::nullopt;
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The first `count - 1` fields end at a NUL; the last takes the rest.
inline std::vector<std::string_view> nulFields(std::string_view rest, size_t count) {
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < count) {
    const size_t nul = rest.find('\0');
    fields.push_back(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  }
  fields.push_back(rest);
  return fields;
}
