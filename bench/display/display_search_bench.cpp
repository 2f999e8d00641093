// SPDX-License-Identifier: GPL-3.0-or-later
// The display window's searches through 1 MB, the exclusion search where
// nearly every A is part of a B (each round used to count from the start).
#include <benchmark/benchmark.h>

#include <string>

#include "display/display_search.h"

namespace brimlet {
namespace {

std::string repeated(std::string_view piece, size_t bytes, std::string text = {}) {
  while (text.size() < bytes) text += piece;
  return text;
}

void BM_ExclusionSearchThroughBs(benchmark::State& state) {
  const std::string text = repeated("ab\r\n", 1 << 20, "x") + "a";
  for (auto _ : state) benchmark::DoNotOptimize(exclusionSearch(text, "a\r\nab", 0, true));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ExclusionSearchThroughBs)->Unit(benchmark::kMillisecond);

void BM_ExclusionSearchBackward(benchmark::State& state) {
  const std::string text = repeated("\r\nba", 1 << 20, "a");
  for (auto _ : state) benchmark::DoNotOptimize(exclusionSearch(text, "a\r\nba", 0, false));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ExclusionSearchBackward)->Unit(benchmark::kMillisecond);

void BM_ExclusionSearchOnlyA(benchmark::State& state) {
  const std::string text(1 << 20, 'a');
  for (auto _ : state) benchmark::DoNotOptimize(exclusionSearch(text, "a\r\na\r\naa", 0, true));
}
BENCHMARK(BM_ExclusionSearchOnlyA)->Unit(benchmark::kMillisecond);

void BM_NearestDigitBackward(benchmark::State& state) {
  const std::string text = repeated("keine ziffer\r\n", 1 << 20, "7");
  const auto end = static_cast<int64_t>(text.size());
  for (auto _ : state) benchmark::DoNotOptimize(searchField(text, "<<<z", end, false));
}
BENCHMARK(BM_NearestDigitBackward)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brimlet
