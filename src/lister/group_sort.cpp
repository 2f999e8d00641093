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

// Copies each line into its bucket's place in the processed list. The
// places follow from the buckets' sizes, so the list is written once, into
// room taken once.
Buckets copyIntoBuckets(std::string_view list, const Classification& sorted, size_t count) {
  constexpr std::string_view kSeparator = Buckets::kBucketSeparator;
  Buckets buckets;
  buckets.places.resize(count);
  size_t size = 0;
  for (size_t i = 0; i < count && i < sorted.bytes.size(); ++i) {
    Buckets::Place& place = buckets.places[i];
    place.start = size;
    if (sorted.lines[i] == 0) continue;
    place.size = sorted.bytes[i];
    place.lines = sorted.lines[i];
    buckets.total += place.lines;
    size += place.size + kSeparator.size();
  }
  for (size_t i = sorted.bytes.size(); i < count; ++i) buckets.places[i].start = size;
  buckets.text.resize(size);
  char* const text = buckets.text.data();
  std::vector<size_t> ends(count);
  for (size_t i = 0; i < count; ++i) {
    ends[i] = buckets.places[i].start;
    if (buckets.places[i].size > 0) {
      kSeparator.copy(text + ends[i] + buckets.places[i].size, kSeparator.size());
    }
  }
  LineWalker lines(list);
  for (const uint32_t bucket : sorted.bucketOfLine) {
    const std::string_view line = *lines.next();
    if (bucket == kDropped) continue;
    line.copy(text + ends[bucket], line.size());
    ends[bucket] += line.size();
    text[ends[bucket]++] = '\r';
    text[ends[bucket]++] = '\n';
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

ExtensionFiles extensionFiles(std::string_view list, bool alphabetical, Progress& progress) {
  ExtensionSort sort = sortByExtension(list, alphabetical, true, progress);
  const Classification& sorted = sort.sorted;
  const size_t count = sort.extensions.size() + 1;
  ExtensionFiles files;
  files.firstLine.assign(count + 1, 0);
  for (size_t i = 0; i < count; ++i) {
    const int64_t lines = i < sorted.lines.size() ? sorted.lines[i] : 0;
    files.firstLine[i + 1] = files.firstLine[i] + static_cast<size_t>(lines);
  }
  files.lines.resize(files.firstLine[count]);
  std::vector<size_t> next(files.firstLine.begin(), files.firstLine.end() - 1);
  LineWalker lines(list);
  for (const uint32_t bucket : sorted.bucketOfLine) {
    const std::string_view line = *lines.next();
    if (bucket != kDropped) files.lines[next[bucket]++] = line;
  }
  files.names = std::move(sort.extensions);
  files.names.emplace_back("unknown");
  return files;
}

std::string ExtensionFiles::text(size_t i) const {
  const auto first = lines.begin() + static_cast<ptrdiff_t>(firstLine[i]);
  const auto last = lines.begin() + static_cast<ptrdiff_t>(firstLine[i + 1]);
  size_t size = 0;
  for (auto line = first; line != last; ++line) size += line->size() + 2;
  std::string text;
  text.reserve(size);
  for (auto line = first; line != last; ++line) {
    text += *line;
    text += "\r\n";
  }
  return text;
}

std::string processedText(const Buckets& buckets, std::span<const bool> selection) {
  auto taken = [selection](size_t i) { return i < selection.size() && selection[i]; };
  size_t size = 0;
  for (size_t i = 0; i < buckets.count(); ++i) {
    if (taken(i)) size += buckets.withSeparator(i).size();
  }
  std::string processed;
  processed.reserve(size);
  for (size_t i = 0; i < buckets.count(); ++i) {
    if (taken(i)) processed += buckets.withSeparator(i);
  }
  return processed;
}

void BucketsBuilder::endBucket(int64_t lines) {
  const size_t size = buckets_.text.size() - start_;
  if (size > 0) buckets_.text += Buckets::kBucketSeparator;
  buckets_.places.push_back({start_, size, lines});
  buckets_.total += lines;
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
