// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/word_index.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "core/text_compare.h"
#include "workshop/progress_ticker.h"

namespace brimlet {
namespace {

using Separators = std::array<bool, 256>;

Separators separators(const WordIndexOptions& options) {
  Separators separator{};
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

// Eight bytes at a time: a byte-wise hash costs a multiplication per byte,
// and every byte of the text is hashed twice.
uint64_t wordHash(std::string_view text, size_t start, size_t end) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
  uint64_t hash = (end - start) * kMultiplier;
  size_t at = start;
  for (; at + 8 <= end; at += 8) {
    uint64_t chunk;
    std::memcpy(&chunk, text.data() + at, 8);
    hash = (hash ^ chunk) * kMultiplier;
    hash ^= hash >> 32;
  }
  if (at < end) {
    uint64_t chunk = 0;
    const size_t rest = end - at;
    if (at + 8 <= text.size()) {
      std::memcpy(&chunk, text.data() + at, 8);
      chunk &= ~uint64_t{0} >> (64 - 8 * rest);
    } else {
      std::memcpy(&chunk, text.data() + at, rest);
    }
    hash = (hash ^ chunk) * kMultiplier;
  }
  hash ^= hash >> 29;
  hash *= 0xBF58476D1CE4E5B9ULL;
  return hash ^ (hash >> 32);
}

size_t wordEnd(std::string_view text, const Separators& separator, size_t position) {
  while (position < text.size() && !separator[static_cast<unsigned char>(text[position])]) {
    ++position;
  }
  return position;
}

// Calls word(start, end, hash) for every word and boundary(i) for every
// separator byte, in text order.
template <class Word, class Boundary>
void walkWords(std::string_view text, const Separators& separator, Word word, Boundary boundary) {
  for (size_t i = 0; i < text.size();) {
    if (separator[static_cast<unsigned char>(text[i])]) {
      boundary(i++);
      continue;
    }
    const size_t end = wordEnd(text, separator, i);
    word(i, end, wordHash(text, i, end));
    i = end;
  }
}

// How many words the text holds: the most entries the index can get. In
// blocks, so that a gigabyte still reaches the cancel points.
size_t countWords(std::string_view text, const Separators& separator, ProgressTicker& ticker) {
  constexpr size_t kBlock = size_t{1} << 20;
  size_t words = 0;
  bool inWord = false;
  for (size_t block = 0; block < text.size(); block += kBlock) {
    ticker.at(static_cast<int64_t>(block));
    const size_t end = std::min(text.size(), block + kBlock);
    for (size_t i = block; i < end; ++i) {
      const bool wordByte = !separator[static_cast<unsigned char>(text[i])];
      words += static_cast<size_t>(wordByte && !inWord);
      inWord = wordByte;
    }
  }
  return words;
}

// A word is known by where it first occurs: it runs from there to the next
// separator, so an entry needs no copy and no length. Positions, counts and
// lines fit 32 bits, since no text of 4 GiB is ever held.
struct CountedWord {
  uint32_t position;
  uint32_t count;
};
struct CountedWordWithLine {
  uint32_t position;
  uint32_t count;
  uint32_t line;
};
template <class Entry>
constexpr bool kWithLine = std::is_same_v<Entry, CountedWordWithLine>;

// Open addressing over the entries, which stay in order of first
// occurrence. A slot holds the entry's number in its low bits and some bits
// of the word's hash above them, so that a probe reads the text only for a
// likely match.
template <class Entry>
class Index {
 public:
  // Room for `most` entries is only reserved: pages that no entry reaches
  // cost nothing, and the entries are never held twice while they grow.
  Index(std::string_view text, const Separators& separator, size_t most)
      : text_(text), separator_(separator) {
    entries_.reserve(most);
    rebuild(1024);
  }

  void add(size_t start, size_t end, uint64_t hash, uint32_t line) {
    const std::string_view word = text_.substr(start, end - start);
    const uint32_t tag = tagOf(hash);
    for (size_t slot = slotOf(hash);; slot = slot + 1 == slots_.size() ? 0 : slot + 1) {
      const uint32_t held = slots_[slot];
      if (held == 0) {
        Entry entry{};
        entry.position = static_cast<uint32_t>(start);
        entry.count = 1;
        if constexpr (kWithLine<Entry>) entry.line = line;
        entries_.push_back(entry);
        slots_[slot] = tag | static_cast<uint32_t>(entries_.size());
        if (entries_.size() * 5 > slots_.size() * 4) grow();
        return;
      }
      if ((held & ~indexMask_) != tag) continue;
      Entry& entry = entries_[(held & indexMask_) - 1];
      if (sameWord(entry.position, word)) {
        ++entry.count;
        return;
      }
    }
  }

  // The entries, with the table given back.
  std::vector<Entry> take() {
    std::vector<uint32_t>().swap(slots_);
    return std::move(entries_);
  }

 private:
  [[nodiscard]] bool sameWord(size_t position, std::string_view word) const {
    const size_t end = position + word.size();
    return sameBytes(text_.data() + position, word) &&
           (end == text_.size() || separator_[static_cast<unsigned char>(text_[end])]);
  }

  // Most words are shorter than eight bytes, for which a call of memcmp
  // costs more than the comparison.
  [[nodiscard]] bool sameBytes(const char* at, std::string_view word) const {
    const char* textEnd = text_.data() + text_.size();
    if (word.size() > 8 || at + 8 > textEnd || word.data() + 8 > textEnd) {
      return std::memcmp(at, word.data(), word.size()) == 0;
    }
    uint64_t a;
    uint64_t b;
    std::memcpy(&a, at, 8);
    std::memcpy(&b, word.data(), 8);
    return ((a ^ b) & (~uint64_t{0} >> (64 - 8 * word.size()))) == 0;
  }

  [[nodiscard]] size_t slotOf(uint64_t hash) const {
    return static_cast<size_t>(((hash >> 32) * slots_.size()) >> 32);
  }
  [[nodiscard]] uint32_t tagOf(uint64_t hash) const {
    return static_cast<uint32_t>(hash) & ~indexMask_;
  }

  // The entries alone rebuild the table, so the old one goes first and
  // the two are never held at once: on a text of mostly different words the
  // table is a good part of the memory the index takes.
  void grow() {
    const size_t slots = slots_.size() + slots_.size() / 2;
    std::vector<uint32_t>().swap(slots_);
    rebuild(slots);
  }

  // The tags shrink as the entries' numbers grow, so every word is hashed
  // again.
  void rebuild(size_t slots) {
    if (slots > (size_t{1} << 32) - 1) throw std::length_error("word index");
    slots_.assign(slots, 0);
    indexMask_ = static_cast<uint32_t>(std::bit_ceil(slots) - 1);
    for (size_t i = 0; i < entries_.size(); ++i) {
      const size_t start = entries_[i].position;
      const uint64_t hash = wordHash(text_, start, wordEnd(text_, separator_, start));
      size_t slot = slotOf(hash);
      while (slots_[slot] != 0) slot = slot + 1 == slots_.size() ? 0 : slot + 1;
      slots_[slot] = tagOf(hash) | static_cast<uint32_t>(i + 1);
    }
  }

  std::string_view text_;
  const Separators& separator_;
  std::vector<uint32_t> slots_;
  uint32_t indexMask_ = 0;
  std::vector<Entry> entries_;
};

// The program's text order of two words given by where they start, read
// up to their ends as they are met, so that a comparison that is settled
// early does not first walk both words to find their lengths.
class WordOrder {
 public:
  WordOrder(std::string_view text, const Separators& separator)
      : text_(text), separator_(separator), weights_(collationWeights()) {}

  [[nodiscard]] bool before(size_t a, size_t b) const {
    for (size_t i = 0;; ++i) {
      const bool aEnds = ends(a + i);
      const bool bEnds = ends(b + i);
      if (aEnds || bEnds) {
        if (aEnds != bEnds) return aEnds;
        return std::memcmp(text_.data() + a, text_.data() + b, i) < 0;
      }
      const int wa = weights_[static_cast<unsigned char>(text_[a + i])];
      const int wb = weights_[static_cast<unsigned char>(text_[b + i])];
      if (wa != wb) return wa < wb;
    }
  }

 private:
  [[nodiscard]] bool ends(size_t at) const {
    return at == text_.size() || separator_[static_cast<unsigned char>(text_[at])];
  }

  std::string_view text_;
  const Separators& separator_;
  const std::array<unsigned char, 256>& weights_;
};

size_t digits(uint32_t value) {
  size_t n = 1;
  while (value >= 10) {
    value /= 10;
    ++n;
  }
  return n;
}

void appendField(std::string& out, uint32_t value) {
  char buffer[16];
  out += "\t\t\t";
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// Hands the pages of the entries already written back to the system. On a
// text of mostly different words the index is longer than the text, and
// the entries are half its size again: without this both would stay whole
// in memory until the last line is written.
class ReleaseBehind {
 public:
  ReleaseBehind(const void* begin, size_t entrySize)
      : pageMask_(static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE)) - 1),
        begin_(reinterpret_cast<uintptr_t>(begin)),
        released_((begin_ + pageMask_) & ~pageMask_),
        entrySize_(entrySize) {}

  void passed(size_t entries) {
    const uintptr_t done = (begin_ + entries * entrySize_) & ~pageMask_;
    if (done < released_ + kStep) return;
    ::madvise(reinterpret_cast<void*>(released_), done - released_, MADV_DONTNEED);
    released_ = done;
  }

 private:
  static constexpr uintptr_t kStep = uintptr_t{1} << 21;

  uintptr_t pageMask_;
  uintptr_t begin_;
  uintptr_t released_;
  size_t entrySize_;
};

template <class Entry>
WordIndex build(std::string_view text, const WordIndexOptions& options, Progress& progress) {
  if (text.size() > UINT32_MAX) throw std::length_error("word index");
  const Separators separator = separators(options);
  // By bytes, not lines: a text without line ends still reaches its cancel
  // points. The count walks the text once, the index once more.
  progress.setMaximum(2 * static_cast<int64_t>(text.size()));
  ProgressTicker ticker(progress);
  // Room for a word in every four bytes at most: a text of shorter words
  // lets its entries grow as they come instead.
  const size_t words = countWords(text, separator, ticker);
  Index<Entry> index(text, separator, std::min(words, text.size() / 4 + 1024));
  uint32_t line = 1;
  walkWords(
      text, separator,
      [&](size_t start, size_t end, uint64_t hash) { index.add(start, end, hash, line); },
      [&](size_t i) {
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') ++line;
        ticker.at(static_cast<int64_t>(text.size() + i));
      });
  std::vector<Entry> entries = index.take();

  auto word = [&](const Entry& entry) {
    return text.substr(entry.position, wordEnd(text, separator, entry.position) - entry.position);
  };
  if (options.sorted) {
    progress.setMaximum(static_cast<int64_t>(entries.size()));
    SortTicker sorting(progress, static_cast<int64_t>(entries.size()));
    const WordOrder order(text, separator);
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
      sorting.at();
      return order.before(a.position, b.position);
    });
  }

  auto listed = [&](const Entry& entry) {
    const char first = text[entry.position];
    return !options.capitalsOnly || (first >= 'A' && first <= 'Z');
  };
  size_t size = 0;
  for (const Entry& entry : entries) {
    if (!listed(entry)) continue;
    size += wordEnd(text, separator, entry.position) - entry.position + 2;
    if (options.withCount) size += 3 + digits(entry.count);
    if constexpr (kWithLine<Entry>) size += 3 + digits(entry.line);
  }
  WordIndex result;
  result.words = static_cast<int64_t>(entries.size());
  result.text.reserve(size);
  ReleaseBehind release(entries.data(), sizeof(Entry));
  for (size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (listed(entry)) {
      result.text += word(entry);
      if (options.withCount) appendField(result.text, entry.count);
      if constexpr (kWithLine<Entry>) appendField(result.text, entry.line);
      result.text += "\r\n";
    }
    release.passed(i + 1);
  }
  return result;
}

}  // namespace

WordIndex buildWordIndex(std::string_view text, const WordIndexOptions& options,
                         Progress& progress) {
  if (options.withFirstLine) return build<CountedWordWithLine>(text, options, progress);
  return build<CountedWord>(text, options, progress);
}

}  // namespace brimlet
