#include "lister/group_sort.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "core/casemap.h"
#include "core/lines.h"

namespace brimlet {
namespace {

// Finds a key among lower-case entries without regard to letter case. Keys
// longer than every entry are turned away before any copy is made, so a
// list of long lines without dots costs no more than one of short ones.
class LowerCaseIndex {
 public:
  // Adds `entry` (already lower case) unless present; returns its position.
  size_t add(std::string entry) {
    longest_ = std::max(longest_, entry.size());
    return positions_.try_emplace(std::move(entry), positions_.size()).first->second;
  }

  [[nodiscard]] std::optional<size_t> find(std::string_view key) {
    if (key.size() > longest_ || positions_.empty()) return std::nullopt;
    scratch_.assign(key);
    lowerInPlace(scratch_);
    const auto it = positions_.find(scratch_);
    if (it == positions_.end()) return std::nullopt;
    return it->second;
  }

 private:
  std::unordered_map<std::string, size_t> positions_;
  size_t longest_ = 0;
  std::string scratch_;
};

// Position of the last "." of a line, npos when there is none.
size_t lastDot(std::string_view line) {
  const void* found = line.empty() ? nullptr : ::memrchr(line.data(), '.', line.size());
  return found == nullptr ? std::string_view::npos
                          : static_cast<size_t>(static_cast<const char*>(found) - line.data());
}

bool isSeparatorOrEmpty(std::string_view line) { return line.empty() || line == "***"; }

void appendLine(std::string& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

Buckets emptyBuckets(size_t count) {
  Buckets buckets;
  buckets.texts.resize(count);
  buckets.counts.resize(count);
  return buckets;
}

constexpr uint32_t kDropped = UINT32_MAX;

// Puts each line into the bucket `classify` picks for it (or drops it). The
// lines are classified first and every bucket is sized before the copying,
// so no bucket of a large list is reallocated while it grows.
template <class Classify>
Buckets fillBuckets(std::string_view list, size_t count, Classify classify, Progress& progress,
                    const LineSampler& sample) {
  Buckets buckets = emptyBuckets(count);
  std::vector<uint32_t> chosen;
  std::vector<size_t> sizes(count);
  LineWalker lines(list);
  int64_t number = 0;
  while (const auto line = lines.next()) {
    const uint32_t bucket = classify(*line);
    chosen.push_back(bucket);
    if (bucket != kDropped) {
      sizes[bucket] += line->size() + 2;
      ++buckets.counts[bucket];
      ++buckets.total;
    }
    progress.setValue(++number);
    if (number % kSampleInterval == 0 && sample) sample(number, *line);
  }
  for (size_t i = 0; i < count; ++i) buckets.texts[i].reserve(sizes[i]);
  LineWalker again(list);
  for (const uint32_t bucket : chosen) {
    const std::string_view line = *again.next();
    if (bucket != kDropped) appendLine(buckets.texts[bucket], line);
  }
  return buckets;
}

// Extensions in order of first appearance (or byte order), lower case.
std::vector<std::string> collectExtensions(std::string_view list, bool alphabetical,
                                           bool forFiles, Progress& progress) {
  LowerCaseIndex seen;
  std::vector<std::string> extensions;
  std::string extension;
  LineWalker lines(list);
  int64_t number = 0;
  while (const auto line = lines.next()) {
    progress.setValue(++number);
    if (isSeparatorOrEmpty(*line)) continue;
    const size_t dot = lastDot(*line);
    if (dot == std::string_view::npos) continue;
    const std::string_view after = line->substr(dot + 1);
    if (after.find_first_of("\\/") != std::string_view::npos) continue;
    extension.assign(after);
    lowerInPlace(extension);
    if (forFiles && (extension == "con" || extension == "unknown")) continue;
    if (seen.add(extension) == extensions.size()) extensions.push_back(extension);
  }
  if (alphabetical) std::sort(extensions.begin(), extensions.end());
  return extensions;
}

// Pass 2 of the single sort: one bucket per extension, then the rest.
Buckets distribute(std::string_view list, const std::vector<std::string>& extensions,
                   Progress& progress) {
  LowerCaseIndex index;
  for (const std::string& extension : extensions) index.add(extension);
  const auto rest = static_cast<uint32_t>(extensions.size());
  auto classify = [&index, rest](std::string_view line) {
    if (isSeparatorOrEmpty(line)) return kDropped;
    const size_t dot = lastDot(line);
    const std::string_view key = dot == std::string_view::npos ? line : line.substr(dot + 1);
    const std::optional<size_t> found = index.find(key);
    return found ? static_cast<uint32_t>(*found) : rest;
  };
  return fillBuckets(list, extensions.size() + 1, classify, progress, {});
}

}  // namespace

std::optional<Buckets> groupSort(std::string_view list, const ExtensionTable& table,
                                 Progress& progress, const LineSampler& sample) {
  // Inserting in group order, then entry order, keeps the first match.
  LowerCaseIndex entries;
  std::vector<size_t> groupOf;
  for (size_t group = 0; group < table.cells.size(); ++group) {
    const auto& row = table.cells[group];
    for (int cell = 0; cell <= table.largestEntryIndex && cell < static_cast<int>(row.size());
         ++cell) {
      std::string entry = row[static_cast<size_t>(cell)];
      if (entry.empty()) continue;
      lowerInPlace(entry);
      if (entries.add(std::move(entry)) == groupOf.size()) groupOf.push_back(group);
    }
  }

  if (list.find('\r') == std::string_view::npos) return std::nullopt;
  auto classify = [&entries, &groupOf](std::string_view line) {
    const size_t dot = lastDot(line);
    const std::string_view key = dot == std::string_view::npos ? line : line.substr(dot);
    const std::optional<size_t> entry = entries.find(key);
    return static_cast<uint32_t>(entry ? groupOf[*entry] : kGroupCount);
  };
  return fillBuckets(list, kGroupCount + 1, classify, progress, sample);
}

Buckets singleSort(std::string_view list, bool alphabetical, Progress& progress) {
  return distribute(list, collectExtensions(list, alphabetical, false, progress), progress);
}

std::vector<ExtensionFile> extensionFiles(std::string_view list, bool alphabetical,
                                          Progress& progress) {
  std::vector<std::string> names = collectExtensions(list, alphabetical, true, progress);
  Buckets buckets = distribute(list, names, progress);
  names.emplace_back("unknown");
  std::vector<ExtensionFile> files;
  files.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    files.push_back({std::move(names[i]), std::move(buckets.texts[i])});
  }
  return files;
}

Buckets unsortedBuckets(std::string_view list, int64_t lineCount) {
  Buckets buckets;
  buckets.texts.emplace_back(list);
  buckets.counts.push_back(lineCount);
  buckets.total = lineCount;
  return buckets;
}

std::string processedText(const Buckets& buckets) {
  static constexpr std::string_view kSeparator = "***\r\n";
  size_t size = 0;
  for (const std::string& text : buckets.texts) {
    if (!text.empty()) size += text.size() + kSeparator.size();
  }
  std::string processed;
  processed.reserve(size);
  for (const std::string& text : buckets.texts) {
    if (text.empty()) continue;
    processed += text;
    processed += kSeparator;
  }
  return processed;
}

int64_t deepestPath(std::string_view text) {
  int64_t deepest = 0;
  LineWalker lines(text);
  while (const auto line = lines.next()) {
    // Written without branches so that the compiler vectorises the count.
    int64_t depth = 0;
    for (const char c : *line) depth += static_cast<int64_t>((c == '\\') | (c == '/'));
    deepest = std::max(deepest, depth);
  }
  return deepest;
}

}  // namespace brimlet
