// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/group_sort.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "core/casemap.h"
#include "core/lines.h"

namespace brimlet {
namespace {

// Finds a key among lower-case entries without regard to letter case. Keys
// of up to seven bytes, which is nearly every extension, are packed with
// their length into one number and looked up in a small open-addressed
// table; longer ones go through a string map. Keys longer than every entry
// are turned away at once, so a list of long lines without dots costs no
// more than one of short ones.
class LowerCaseIndex {
 public:
  // Adds `entry` (already lower case) unless present; returns its position.
  size_t add(const std::string& entry) {
    if (const auto found = find(entry)) return *found;
    const size_t position = size_++;
    longest_ = std::max(longest_, entry.size());
    if (const auto packed = pack(entry)) {
      insertPacked(*packed, static_cast<uint32_t>(position));
    } else {
      long_.emplace(entry, position);
    }
    return position;
  }

  [[nodiscard]] std::optional<size_t> find(std::string_view key) {
    if (key.size() > longest_ || size_ == 0) return std::nullopt;
    if (const auto packed = pack(key)) {
      if (slots_.empty()) return std::nullopt;
      for (size_t i = slotOf(*packed);; i = (i + 1) & (slots_.size() - 1)) {
        if (slots_[i].position == kFree) return std::nullopt;
        if (slots_[i].key == *packed) return slots_[i].position;
      }
    }
    scratch_.assign(key);
    lowerInPlace(scratch_);
    const auto it = long_.find(scratch_);
    if (it == long_.end()) return std::nullopt;
    return it->second;
  }

 private:
  static constexpr uint32_t kFree = UINT32_MAX;
  struct Slot {
    uint64_t key = 0;
    uint32_t position = kFree;
  };

  static std::optional<uint64_t> pack(std::string_view key) {
    if (key.size() > 7) return std::nullopt;
    uint64_t packed = key.size();
    for (const char c : key) packed = (packed << 8) | toLower(static_cast<unsigned char>(c));
    return packed;
  }

  [[nodiscard]] size_t slotOf(uint64_t packed) const {
    return static_cast<size_t>((packed * 0x9E3779B97F4A7C15ULL) >> 40) & (slots_.size() - 1);
  }

  void insertPacked(uint64_t packed, uint32_t position) {
    if ((packedCount_ + 1) * 2 > slots_.size()) grow();
    size_t i = slotOf(packed);
    while (slots_[i].position != kFree) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = {packed, position};
    ++packedCount_;
  }

  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max<size_t>(64, old.size() * 2), Slot{});
    packedCount_ = 0;
    for (const Slot& slot : old) {
      if (slot.position != kFree) insertPacked(slot.key, slot.position);
    }
  }

  std::vector<Slot> slots_;
  size_t packedCount_ = 0;
  std::unordered_map<std::string, size_t> long_;
  size_t size_ = 0;
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

constexpr uint32_t kDropped = UINT32_MAX;

// Where each line of a list goes, and how much each bucket receives.
struct Classification {
  std::vector<uint32_t> bucketOfLine;  // kDropped for a line that goes nowhere
  std::vector<size_t> bytes;
  std::vector<int64_t> lines;

  void take(uint32_t bucket, size_t lineLength) {
    bucketOfLine.push_back(bucket);
    if (bucket == kDropped) return;
    if (bucket >= bytes.size()) {
      bytes.resize(bucket + 1);
      lines.resize(bucket + 1);
    }
    bytes[bucket] += lineLength + 2;
    ++lines[bucket];
  }
};

// Copies each line into its bucket. Every bucket is sized first, so no
// bucket of a large list is reallocated while it grows.
Buckets copyIntoBuckets(std::string_view list, const Classification& sorted, size_t count) {
  Buckets buckets;
  buckets.texts.resize(count);
  buckets.counts.resize(count);
  for (size_t i = 0; i < count && i < sorted.bytes.size(); ++i) {
    buckets.texts[i].reserve(sorted.bytes[i]);
    buckets.counts[i] = sorted.lines[i];
    buckets.total += sorted.lines[i];
  }
  LineWalker lines(list);
  for (const uint32_t bucket : sorted.bucketOfLine) {
    const std::string_view line = *lines.next();
    if (bucket == kDropped) continue;
    std::string& text = buckets.texts[bucket];
    text += line;
    text += "\r\n";
  }
  return buckets;
}

// The single sort's one pass over the list: extensions are numbered as they
// first appear and each line gets its extension's number. A line without a
// dot is keyed by its whole text, which may equal an extension that only
// appears later, so those lines are settled once every extension is known.
struct ExtensionSort {
  std::vector<std::string> extensions;
  Classification sorted;
};

constexpr uint32_t kWholeLine = UINT32_MAX - 1;

ExtensionSort sortByExtension(std::string_view list, bool alphabetical, bool forFiles,
                              Progress& progress) {
  ExtensionSort result;
  LowerCaseIndex index;
  std::vector<std::pair<size_t, std::string_view>> wholeLines;  // line number, line
  std::string extension;
  std::vector<uint32_t> bucketOfLine;
  std::vector<size_t> lengths;
  LineWalker lines(list);
  int64_t number = 0;
  while (const auto line = lines.next()) {
    progress.setValue(++number);
    uint32_t bucket = kDropped;
    if (!isSeparatorOrEmpty(*line)) {
      const size_t dot = lastDot(*line);
      if (dot == std::string_view::npos) {
        bucket = kWholeLine;
        wholeLines.emplace_back(bucketOfLine.size(), *line);
      } else {
        const std::string_view after = line->substr(dot + 1);
        extension.assign(after);
        lowerInPlace(extension);
        const bool collected = after.find_first_of("\\/") == std::string_view::npos &&
                               !(forFiles && (extension == "con" || extension == "unknown"));
        if (collected) {
          const size_t position = index.add(extension);
          if (position == result.extensions.size()) result.extensions.push_back(extension);
          bucket = static_cast<uint32_t>(position);
        } else {
          bucket = kWholeLine - 1;  // the rest, numbered once the extensions are counted
        }
      }
    }
    bucketOfLine.push_back(bucket);
    lengths.push_back(line->size());
  }

  const auto count = static_cast<uint32_t>(result.extensions.size());
  std::vector<uint32_t> renumbered(count);
  for (uint32_t i = 0; i < count; ++i) renumbered[i] = i;
  if (alphabetical) {
    std::vector<uint32_t> order = renumbered;
    std::sort(order.begin(), order.end(), [&result](uint32_t a, uint32_t b) {
      return result.extensions[a] < result.extensions[b];
    });
    std::vector<std::string> sortedNames;
    for (uint32_t i = 0; i < count; ++i) {
      renumbered[order[i]] = i;
      sortedNames.push_back(std::move(result.extensions[order[i]]));
    }
    result.extensions = std::move(sortedNames);
  }
  for (const auto& [at, line] : wholeLines) {
    const std::optional<size_t> found = count == 0 ? std::nullopt : index.find(line);
    bucketOfLine[at] = found ? static_cast<uint32_t>(*found) : kWholeLine - 1;
  }
  result.sorted.bucketOfLine.reserve(bucketOfLine.size());
  result.sorted.bytes.assign(count + 1, 0);
  result.sorted.lines.assign(count + 1, 0);
  for (size_t i = 0; i < bucketOfLine.size(); ++i) {
    uint32_t bucket = bucketOfLine[i];
    if (bucket == kWholeLine - 1) {
      bucket = count;
    } else if (bucket != kDropped) {
      bucket = renumbered[bucket];
    }
    result.sorted.take(bucket, lengths[i]);
  }
  return result;
}

}  // namespace

std::optional<Buckets> groupSort(std::string_view list, const ExtensionTable& table,
                                 Progress& progress, const LineSampler& sample) {
  // Inserting in group order, then entry order, keeps the first match.
  LowerCaseIndex entries;
  std::vector<uint32_t> groupOf;
  for (size_t group = 0; group < table.cells.size(); ++group) {
    const auto& row = table.cells[group];
    for (int cell = 0; cell <= table.largestEntryIndex && cell < static_cast<int>(row.size());
         ++cell) {
      std::string entry = row[static_cast<size_t>(cell)];
      if (entry.empty()) continue;
      lowerInPlace(entry);
      if (entries.add(entry) == groupOf.size()) groupOf.push_back(static_cast<uint32_t>(group));
    }
  }

  if (list.find('\r') == std::string_view::npos) return std::nullopt;
  Classification sorted;
  LineWalker lines(list);
  int64_t number = 0;
  while (const auto line = lines.next()) {
    const size_t dot = lastDot(*line);
    const std::optional<size_t> entry =
        entries.find(dot == std::string_view::npos ? *line : line->substr(dot));
    sorted.take(entry ? groupOf[*entry] : kGroupCount, line->size());
    progress.setValue(++number);
    if (number % kSampleInterval == 0 && sample) sample(number, *line);
  }
  return copyIntoBuckets(list, sorted, kGroupCount + 1);
}

Buckets singleSort(std::string_view list, bool alphabetical, Progress& progress) {
  const ExtensionSort sort = sortByExtension(list, alphabetical, false, progress);
  return copyIntoBuckets(list, sort.sorted, sort.extensions.size() + 1);
}

std::vector<ExtensionFile> extensionFiles(std::string_view list, bool alphabetical,
                                          Progress& progress) {
  ExtensionSort sort = sortByExtension(list, alphabetical, true, progress);
  Buckets buckets = copyIntoBuckets(list, sort.sorted, sort.extensions.size() + 1);
  sort.extensions.emplace_back("unknown");
  std::vector<ExtensionFile> files;
  files.reserve(sort.extensions.size());
  for (size_t i = 0; i < sort.extensions.size(); ++i) {
    files.push_back({std::move(sort.extensions[i]), std::move(buckets.texts[i])});
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

std::string processedText(const Buckets& buckets, std::span<const bool> selection) {
  static constexpr std::string_view kSeparator = "***\r\n";
  auto taken = [&buckets, selection](size_t i) {
    return !buckets.texts[i].empty() &&
           (selection.empty() || (i < selection.size() && selection[i]));
  };
  size_t size = 0;
  for (size_t i = 0; i < buckets.texts.size(); ++i) {
    if (taken(i)) size += buckets.texts[i].size() + kSeparator.size();
  }
  std::string processed;
  processed.reserve(size);
  for (size_t i = 0; i < buckets.texts.size(); ++i) {
    if (!taken(i)) continue;
    processed += buckets.texts[i];
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
