// SPDX-License-Identifier: GPL-3.0-or-later
// The line-end translation of text exchanged with other programs, on a list
// a hundred times the size of a usual paste.
#include <benchmark/benchmark.h>

#include <string>

#include "core/clipboard.h"

namespace brimlet {
namespace {

std::string list(const char* lineEnd) {
  std::string text;
  for (int i = 0; i < 1'000'000; ++i) {
    text += "/home/anna/Musik/Alben/Datei " + std::to_string(i) + " Titel.mp3";
    text += lineEnd;
  }
  return text;
}

void BM_TextFromOtherPrograms(benchmark::State& state) {
  const std::string text = list("\n");
  for (auto _ : state) benchmark::DoNotOptimize(textFromOtherPrograms(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TextFromOtherPrograms);

void BM_TextForOtherPrograms(benchmark::State& state) {
  const std::string block = list("\r\n") + '\0';
  for (auto _ : state) benchmark::DoNotOptimize(textForOtherPrograms(block));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(block.size()));
}
BENCHMARK(BM_TextForOtherPrograms);

}  // namespace
}  // namespace brimlet
