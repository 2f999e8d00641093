// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lister/group_sort.h"

namespace brimlet {

inline std::vector<std::string> textsOf(const Buckets& buckets) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < buckets.count(); ++i) texts.emplace_back(buckets.bucket(i));
  return texts;
}

inline std::vector<int64_t> linesOf(const Buckets& buckets) {
  std::vector<int64_t> lines;
  for (const Buckets::Place& place : buckets.places) lines.push_back(place.lines);
  return lines;
}

inline std::vector<std::string_view> viewsOf(const std::vector<std::string>& texts) {
  return {texts.begin(), texts.end()};
}

}  // namespace brimlet
