// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/word_index.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/number.h"
#include "core/text_compare.h"
#include "workshop/progress_ticker.h"

namespace brimlet {
namespace {

std::array<bool, 256> separators(const WordIndexOptions& options) {
  std::array<bool, 256> separator{};
  for (int b = 0; b <= 34; ++b) separator[static_cast<size_t>(b)] = true;
  for (const unsigned char b : std::string_view("()*+,.:;<=>?[]")) separator[b] = true;
  for (const int b : {130, 132, 133, 139, 147, 148, 155, 166, 171, 187, 191}) {
    separator[static_cast<size_t>(b)] = true;
  }
  if (options.digitsSeparate) {
    for (size_t b = '0'; b <= '9'; ++b) separator[b] = true;
  }
  if (options.hyphensSeparate) {
    for (const int b : {int{'-'}, 150, 151}) separator[static_cast<size_t>(b)] = true;
  }
  return separator;
}

struct Entry {
  std::string_view word;
  uint64_t hash;
  int64_t count;
  int64_t firstLine;
};

// Open addressing over the entries, which stay in order of first
// occurrence; the table doubles before it is half full.
class Index {
 public:
  Index() : slots_(1024, 0) {}

  void add(std::string_view word, uint64_t hash, int64_t line) {
    size_t mask = slots_.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const uint32_t held = slots_[slot];
      if (held == 0) {
        entries_.push_back({word, hash, 1, line});
        slots_[slot] = static_cast<uint32_t>(entries_.size());
        if (entries_.size() * 2 > slots_.size()) grow();
        return;
      }
      Entry& entry = entries_[held - 1];
      if (entry.hash == hash && entry.word == word) {
        ++entry.count;
        return;
      }
    }
  }

  std::vector<Entry>& entries() { return entries_; }

 private:
  void grow() {
    std::vector<uint32_t> bigger(slots_.size() * 2, 0);
    const size_t mask = bigger.size() - 1;
    for (size_t i = 0; i < entries_.size(); ++i) {
      size_t slot = entries_[i].hash & mask;
      while (bigger[slot] != 0) slot = (slot + 1) & mask;
      bigger[slot] = static_cast<uint32_t>(i + 1);
    }
    slots_ = std::move(bigger);
  }

  std::vector<uint32_t> slots_;
  std::vector<Entry> entries_;
};

constexpr uint64_t kFnvBasis = 14695981039346656037ULL;
constexpr uint64_t kFnvPrime = 1099511628211ULL;

// FNV-1a leaves the low bits, which pick the slot, poorly mixed.
uint64_t finish(uint64_t hash) {
  hash ^= hash >> 29;
  hash *= 0xBF58476D1CE4E5B9ULL;
  return hash ^ (hash >> 32);
}

}  // namespace

WordIndex buildWordIndex(std::string_view text, const WordIndexOptions& options,
                         Progress& progress) {
  const std::array<bool, 256> separator = separators(options);
  // By bytes, not lines: a text without line ends still reaches its cancel
  // points.
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  Index index;
  int64_t line = 1;
  size_t wordStart = 0;
  uint64_t hash = kFnvBasis;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!separator[byte]) {
      hash = (hash ^ byte) * kFnvPrime;
      continue;
    }
    if (i > wordStart) index.add(text.substr(wordStart, i - wordStart), finish(hash), line);
    hash = kFnvBasis;
    wordStart = i + 1;
    if (byte == '\n' && i > 0 && text[i - 1] == '\r') ++line;
    ticker.at(static_cast<int64_t>(i));
  }
  if (text.size() > wordStart) index.add(text.substr(wordStart), finish(hash), line);

  std::vector<Entry>& entries = index.entries();
  if (options.sorted) {
    progress.setMaximum(static_cast<int64_t>(entries.size()));
    SortTicker sorting(progress, static_cast<int64_t>(entries.size()));
    std::sort(entries.begin(), entries.end(), [&sorting](const Entry& a, const Entry& b) {
      sorting.at();
      return compareText(a.word, b.word) < 0;
    });
  }
  WordIndex result;
  result.words = static_cast<int64_t>(entries.size());
  for (const Entry& entry : entries) {
    if (options.capitalsOnly && !(entry.word[0] >= 'A' && entry.word[0] <= 'Z')) continue;
    result.text += entry.word;
    if (options.withCount) result.text += "\t\t\t" + decimal(entry.count);
    if (options.withFirstLine) result.text += "\t\t\t" + decimal(entry.firstLine);
    result.text += "\r\n";
  }
  return result;
}

}  // namespace brimlet
