// The lister's list algorithms on a generated Windows path list.
#include <benchmark/benchmark.h>

#include <random>

#include "lister/group_sort.h"
#include "lister/list_cleanup.h"

namespace brimlet {
namespace {

const std::string& pathList() {
  static const std::string list = [] {
    const char* const extensions[] = {".mp3", ".jpg", ".txt", ".pdf", ".zip", ".JPG", ".flac"};
    std::mt19937 random(2);
    std::string text;
    for (int i = 0; i < 200'000; ++i) {
      text += "C:\\Musik\\Alben.alt\\Datei " + std::to_string(i) + " Titel" +
              extensions[random() % std::size(extensions)] + "\r\n";
    }
    return text;
  }();
  return list;
}

ExtensionTable groupTable() {
  ExtensionGroups groups;
  groups.groups[0].editedList = ".mp3+.flac+.wav+";
  groups.groups[1].editedList = ".jpg+.png+";
  groups.groups[2].editedList = ".txt+.doc+";
  rebuildExtensionTable(groups);
  return groups.table;
}

void BM_GroupSort(benchmark::State& state) {
  const ExtensionTable table = groupTable();
  NoProgress progress;
  for (auto _ : state) benchmark::DoNotOptimize(groupSort(pathList(), table, progress, {}));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pathList().size()));
}
BENCHMARK(BM_GroupSort);

void BM_SingleSort(benchmark::State& state) {
  NoProgress progress;
  for (auto _ : state) benchmark::DoNotOptimize(singleSort(pathList(), true, progress));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pathList().size()));
}
BENCHMARK(BM_SingleSort);

void BM_CleanUp(benchmark::State& state) {
  const auto cleanup = static_cast<Cleanup>(state.range(0));
  NoProgress progress;
  for (auto _ : state) {
    std::vector<std::string> buckets = {pathList()};
    benchmark::DoNotOptimize(cleanUpBuckets(cleanup, buckets, progress));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pathList().size()));
}
BENCHMARK(BM_CleanUp)->DenseRange(0, 3);

}  // namespace
}  // namespace brimlet
