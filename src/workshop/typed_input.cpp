// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/typed_input.h"

#include "core/number.h"

namespace brimlet {

std::optional<char> byteOfCode(std::string_view text) {
  const int32_t code = integerValue(text);
  if (code < 0 || code > 255) return std::nullopt;
  return static_cast<char>(code);
}

std::optional<std::string> typedEntry(std::string_view typed, bool code) {
  if (code) {
    const std::optional<char> byte = byteOfCode(typed);
    if (!byte) return std::nullopt;
    return std::string(1, *byte);
  }
  if (typed.empty()) return std::nullopt;
  return std::string(typed);
}

namespace {

std::optional<std::string> decodeCodeList(std::string_view typed) {
  if (typed.find('-') == std::string_view::npos) return typedEntry(typed, true);
  std::string bytes;
  for (size_t dash = typed.find('-'); dash != std::string_view::npos; dash = typed.find('-')) {
    const std::optional<char> byte = byteOfCode(typed.substr(0, dash));
    if (!byte) return std::nullopt;
    bytes += *byte;
    typed.remove_prefix(dash + 1);
  }
  return bytes;
}

std::optional<std::string> decodeMarkedCodes(std::string_view typed) {
  constexpr std::string_view kMark = "::";
  std::string bytes;
  while (true) {
    const size_t open = typed.find(kMark);
    // The closing mark may not touch the opening one: a code has a character.
    const size_t close = open == std::string_view::npos ? open : typed.find(kMark, open + 3);
    if (close == std::string_view::npos) break;
    const std::optional<char> byte = byteOfCode(typed.substr(open + 2, close - open - 2));
    if (!byte) return std::nullopt;
    bytes.append(typed.substr(0, open));
    bytes += *byte;
    typed.remove_prefix(close + 2);
  }
  bytes.append(typed);
  return bytes;
}

}  // namespace

std::optional<std::string> decodeTypedChain(std::string_view typed, bool codes) {
  return codes ? decodeCodeList(typed) : decodeMarkedCodes(typed);
}

}  // namespace brimlet
