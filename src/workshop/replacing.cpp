// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/replacing.h"

#include "workshop/span_rewrite.h"

namespace brimlet {
namespace {

TextEdit replaceByte(std::string_view text, char find, char replacement) {
  TextEdit result{std::string(text), 0};
  for (char& byte : result.text) {
    const bool hit = byte == find;
    result.count += hit ? 1 : 0;
    byte = hit ? replacement : byte;
  }
  return result;
}

}  // namespace

TextEdit replaceChain(std::string_view text, std::string_view find, std::string_view replacement,
                      Progress& progress) {
  if (find.size() == 1 && replacement.size() == 1) {
    return replaceByte(text, find[0], replacement[0]);
  }
  return rewriteSpans(
      text, text.size(), progress,
      [&](size_t from) -> std::optional<Span> {
        const size_t hit = findBytes(text, find, from);
        if (hit == std::string_view::npos) return std::nullopt;
        return Span{hit, hit + find.size()};
      },
      [&](std::string& out, Span) { out.append(replacement); });
}

WildcardReplacement replaceWildcard(std::string_view text, const Wildcard& find,
                                    std::string_view replacement,
                                    const std::optional<Wildcard>& keep, Progress& progress) {
  WildcardReplacement result;
  result.edit = rewriteSpans(
      text, text.size(), progress, [&](size_t from) { return findWildcard(text, find, from); },
      [&](std::string& out, Span span) {
        if (!keep) {
          out.append(replacement);
          return;
        }
        const size_t middle = span.begin + find.prefix.size();
        std::string kept(keep->prefix);
        kept.append(text.substr(middle, span.end - find.suffix.size() - middle));
        kept.append(keep->suffix);
        out.append(kept);
        result.kept.push_back(std::move(kept));
      });
  return result;
}

}  // namespace brimlet
