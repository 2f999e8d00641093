// SPDX-License-Identifier: GPL-3.0-or-later
// The lister's list algorithms on a generated Windows path list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "lister/combine.h"
#include "lister/drive_letter.h"
#include "lister/folder_list.h"
#include "lister/group_sort.h"
#include "lister/list_cleanup.h"
#include "lister/list_export.h"

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
    const std::string_view list = pathList();
    benchmark::DoNotOptimize(cleanUpBuckets(cleanup, {&list, 1}, progress));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pathList().size()));
}
BENCHMARK(BM_CleanUp)->DenseRange(0, 3);

void BM_CsvTable(benchmark::State& state) {
  const bool fileNameLast = state.range(0) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(csvTable(pathList(), ';', fileNameLast));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pathList().size()));
}
BENCHMARK(BM_CsvTable)->DenseRange(0, 1);

// The two rewrites of the buckets, each written beside the list.
void BM_BucketRewrite(benchmark::State& state) {
  const bool folders = state.range(0) == 0;
  NoProgress progress;
  const std::string_view list = pathList();
  for (auto _ : state) {
    benchmark::DoNotOptimize(folders
                                 ? makeFolderList({&list, 1}, progress)
                                 : changeDriveLetters({&list, 1}, "backup2026-12-07", progress));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pathList().size()));
}
BENCHMARK(BM_BucketRewrite)->DenseRange(0, 1);

// 2000 files of 4 KiB, a hundred times a usual folder to combine.
void BM_CombineFolder(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "brimlet-bench-combine";
  std::filesystem::create_directories(folder);
  const std::string block(4096, 'x');
  for (int i = 0; i < 2000; ++i) {
    std::ofstream(folder / ("teil" + std::to_string(i) + ".txt"), std::ios::binary) << block;
  }
  const std::string path = folder.string() + "/";
  for (auto _ : state) benchmark::DoNotOptimize(combineFolder(path, "0.txt"));
  state.SetBytesProcessed(state.iterations() * 2000 * 4096);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CombineFolder);

}  // namespace
}  // namespace brimlet
