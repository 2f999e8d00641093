// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/word_tools.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "core/casemap.h"
#include "core/cp1252.h"
#include "core/lines.h"
#include "core/number.h"

namespace brimlet {

std::string anagramList(std::string_view text, size_t maxLength) {
  const size_t n = std::min(text.size(), maxLength);
  size_t arrangements = 1;
  for (size_t i = 2; i <= n; ++i) arrangements *= i;
  const std::string countLine = "\r\n" + decimal(static_cast<int64_t>(arrangements)) + "\r\n";
  std::string out;
  out.reserve(arrangements * (n + 2) + countLine.size());
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  do {
    for (const size_t position : order) out += text[position];
    out += "\r\n";
  } while (std::next_permutation(order.begin(), order.end()));
  return out + countLine;
}

std::optional<std::string> pickAnagram(std::string_view list,
                                       const std::function<uint32_t(uint32_t count)>& pick) {
  if (list.size() < 6 || !list.ends_with("\r\n")) return std::nullopt;
  const std::string_view body = list.substr(0, list.size() - 2);
  const size_t lastBreak = body.rfind("\r\n");
  const int32_t count =
      integerValue(lastBreak == std::string_view::npos ? body : body.substr(lastBreak + 2));
  if (count <= 0) return std::nullopt;
  // A list the user shortened by hand offers only the lines it still has.
  std::vector<std::string_view> lines;
  LineWalker walker(list);
  while (const auto line = walker.next()) {
    if (line->empty() || lines.size() == static_cast<size_t>(count)) break;
    lines.push_back(*line);
  }
  if (lines.empty()) return std::nullopt;
  const uint32_t chosen = pick(static_cast<uint32_t>(lines.size()));
  return std::string(lines[std::min<size_t>(chosen, lines.size() - 1)]);
}

std::optional<std::string> anagramCheck(std::string_view text) {
  const size_t firstEnd = text.find("\r\n");
  if (firstEnd == std::string_view::npos) return std::nullopt;
  const size_t secondEnd = text.find("\r\n", firstEnd + 2);
  if (secondEnd == std::string_view::npos) {
    return cp("***nur eine zeile, kein vergleich möglich***\r\nbitte 2 zeilen angeben\r\n");
  }
  const std::string_view one = text.substr(0, firstEnd);
  const std::string_view two = text.substr(firstEnd + 2, secondEnd - firstEnd - 2);
  std::string out;
  if (one.size() != two.size()) out = cp(">>>unterschiedliche zeilenlänge\r\n...\r\n");
  std::array<int64_t, 256> balance{};
  for (const char c : one) ++balance[static_cast<unsigned char>(c)];
  for (const char c : two) --balance[static_cast<unsigned char>(c)];
  const auto differs = [&](size_t from, size_t to) {
    return std::any_of(balance.begin() + static_cast<int64_t>(from),
                       balance.begin() + static_cast<int64_t>(to),
                       [](int64_t b) { return b != 0; });
  };
  if (!differs(0, 256)) return "die zeichenketten bilden ein anagramm!\r\n";
  if (!differs(0, ' ') && !differs(' ' + 1, 256)) {
    return out + "die zeichen !ohne leerzeichen! bilden ein anagramm!\r\n";
  }
  return out + "leider kein anagramm\r\n";
}

std::string acronym(std::string_view text, bool digits) {
  std::string out;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != ' ' && text[i] != '-' && text[i] != '\n') continue;
    const unsigned char next = toUpper(static_cast<unsigned char>(text[i + 1]));
    const bool letter = (next >= 'A' && next <= 'Z') || next == 0xC4 || next == 0xD6 ||
                        next == 0xDC || next == 0xDF;
    if (letter || (digits && next >= '0' && next <= '9')) out += static_cast<char>(next);
  }
  return out;
}

}  // namespace brimlet
