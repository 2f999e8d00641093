// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_sort.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <mutex>
#include <new>
#include <stop_token>
#include <thread>
#include <vector>

#include "core/lines.h"
#include "core/text_compare.h"
#include "workshop/crlf_lines.h"
#include "workshop/progress_ticker.h"

namespace brimlet {
namespace {

using Weights = std::array<unsigned char, 256>;

constexpr Weights makeIdentity() {
  Weights w{};
  for (int b = 0; b < 256; ++b) w[b] = static_cast<unsigned char>(b);
  return w;
}
constexpr Weights kIdentity = makeIdentity();

// One piece of a key: `count` fill bytes when `data` is null, else bytes.
struct Piece {
  const char* data = nullptr;
  uint64_t count = 0;
};

// The sort key of a line as up to four pieces: fill, bytes, bytes, fill.
struct Key {
  std::array<Piece, 4> pieces;
  int used = 0;

  void add(const char* data, uint64_t count) {
    if (count > 0) pieces[used++] = {data, count};
  }
};

class KeyMaker {
 public:
  KeyMaker(int64_t column, unsigned char fill) : column_(column), fill_(fill) {
    const uint64_t width =
        column < 0 ? static_cast<uint64_t>(-(column + 1)) + 1 : static_cast<uint64_t>(column);
    k_ = width - 1;
    m_ = width;
  }

  [[nodiscard]] unsigned char fill() const { return fill_; }

  [[nodiscard]] Key operator()(std::string_view line) const {
    Key key;
    const uint64_t length = line.size();
    const char* data = line.data();
    if (column_ == 1) {
      key.add(data, length);
    } else if (column_ > 1) {
      if (length > k_) {
        key.add(data + k_, length - k_);
        key.add(data, k_);
      } else {
        key.add(nullptr, 4);
        key.add(data, length);
        key.add(nullptr, k_ - length);
      }
    } else if (length >= m_) {
      key.add(data + (length - m_), m_);
      key.add(data, length - m_);
    } else {
      key.add(nullptr, m_ - length);
      key.add(data, length);
    }
    return key;
  }

 private:
  int64_t column_;
  unsigned char fill_;
  uint64_t k_ = 0;
  uint64_t m_ = 0;
};

// Where the first `n` bytes of `a` and `b` first differ, or `n`; a word at
// a time.
uint64_t firstDifference(const char* a, const char* b, uint64_t n) {
  uint64_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t wordA;
    uint64_t wordB;
    std::memcpy(&wordA, a + i, 8);
    std::memcpy(&wordB, b + i, 8);
    if (wordA != wordB) {
      const uint64_t differ = wordA ^ wordB;
      return i + static_cast<uint64_t>(std::endian::native == std::endian::little
                                           ? std::countr_zero(differ)
                                           : std::countl_zero(differ)) /
                     8;
    }
  }
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

// Compares two keys byte by byte under `weights`. Runs of fill against fill
// are skipped whole, so a huge key column costs nothing.
int compareKeys(const Key& a, const Key& b, unsigned char fill, const Weights& weights) {
  int ia = 0;
  int ib = 0;
  uint64_t offA = 0;
  uint64_t offB = 0;
  const unsigned char fillWeight = weights[fill];
  while (ia < a.used && ib < b.used) {
    const Piece& pa = a.pieces[ia];
    const Piece& pb = b.pieces[ib];
    const uint64_t n = std::min(pa.count - offA, pb.count - offB);
    if (pa.data != nullptr && pb.data != nullptr && &weights == &kIdentity) {
      if (const int r = std::memcmp(pa.data + offA, pb.data + offB, n); r != 0) return r;
    } else if (pa.data != nullptr && pb.data != nullptr) {
      // Equal bytes weigh the same, so only where the bytes differ do the
      // weights need looking up.
      const char* da = pa.data + offA;
      const char* db = pb.data + offB;
      for (uint64_t i = firstDifference(da, db, n); i < n;
           i += 1 + firstDifference(da + i + 1, db + i + 1, n - i - 1)) {
        const unsigned char wa = weights[static_cast<unsigned char>(da[i])];
        const unsigned char wb = weights[static_cast<unsigned char>(db[i])];
        if (wa != wb) return wa < wb ? -1 : 1;
      }
    } else if (pa.data != nullptr || pb.data != nullptr) {
      for (uint64_t i = 0; i < n; ++i) {
        const unsigned char wa =
            pa.data ? weights[static_cast<unsigned char>(pa.data[offA + i])] : fillWeight;
        const unsigned char wb =
            pb.data ? weights[static_cast<unsigned char>(pb.data[offB + i])] : fillWeight;
        if (wa != wb) return wa < wb ? -1 : 1;
      }
    }
    offA += n;
    offB += n;
    if (offA == pa.count) {
      ++ia;
      offA = 0;
    }
    if (offB == pb.count) {
      ++ib;
      offB = 0;
    }
  }
  if (ia < a.used) return 1;
  if (ib < b.used) return -1;
  return 0;
}

// The weights of a key after its first `skip`, as many as the prefix holds,
// big-endian and zero-padded: comparing two of these for keys whose first
// `skip` weights agree never contradicts compareKeys, and mostly settles the
// order.
template <typename Prefix>
Prefix keyPrefix(const Key& key, unsigned char fill, const Weights& weights, uint64_t skip = 0) {
  constexpr int kBytes = sizeof(Prefix);
  Prefix prefix = 0;
  int taken = 0;
  for (int p = 0; p < key.used && taken < kBytes; ++p) {
    const Piece& piece = key.pieces[p];
    if (skip >= piece.count) {
      skip -= piece.count;
      continue;
    }
    for (uint64_t i = skip; i < piece.count && taken < kBytes; ++i, ++taken) {
      const unsigned char byte = piece.data ? static_cast<unsigned char>(piece.data[i]) : fill;
      prefix |= Prefix{weights[byte]} << (8 * (kBytes - 1 - taken));
    }
    skip = 0;
  }
  return prefix;
}

uint64_t keyLength(const Key& key) {
  uint64_t length = 0;
  for (int p = 0; p < key.used; ++p) length += key.pieces[p].count;
  return length;
}

// Where the line starting at `start` ends, as CrLfLines reads it: at the
// next CR LF, else at the text's end less a final lone LF.
size_t lineEnd(std::string_view text, size_t start) {
  // Most lines that tie are short (empty ones above all): their end is
  // found before a call of memchr would have started.
  const size_t nearEnd = std::min(text.size(), start + 16);
  for (size_t i = start; i + 1 < nearEnd; ++i) {
    if (text[i] == '\r' && text[i + 1] == '\n') return i;
  }
  for (size_t search = start; search < text.size();) {
    const void* hit = std::memchr(text.data() + search, '\r', text.size() - search);
    if (hit == nullptr) break;
    const auto cr = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    if (cr + 1 < text.size() && text[cr + 1] == '\n') return cr;
    search = cr + 1;
  }
  return text.size() > start && text.back() == '\n' ? text.size() - 1 : text.size();
}

// The output is sized in slices of this many bytes, each followed by a
// cancel point.
constexpr size_t kSizingSlice = size_t{1} << 24;

// A comparison that walks two long lines counts once per this many bytes,
// so that lines of megabytes still reach a cancel point in time.
constexpr size_t kBytesPerTick = 256;

// Below this many lines a text is sorted on the calling thread: starting
// threads would cost more than they save.
constexpr size_t kThreadedFromLines = size_t{1} << 18;

// At most this many parts: each merge step looks at the head of every part.
constexpr unsigned kMostThreads = 16;

// A line as its key prefix and its start: eight bytes a line when the
// text's offsets fit 32 bits, so sorting a gigabyte of ten-byte lines takes
// less than the text again beside the text and its result. Its end is found
// again whenever the line is read.
template <typename OffsetType>
struct [[gnu::packed]] ShortEntry {
  using Offset = OffsetType;
  using Prefix = uint32_t;
  // What the merge keeps of a sorted entry; the prefix is found again from
  // the line, which is read then anyway.
  struct [[gnu::packed]] Place {
    Offset start;
  };
  Prefix prefix;
  Offset start;
};

// Longer lines can afford eight bytes of prefix, which settle most
// comparisons without reading the line, and its length, so that neither a
// tie of prefixes nor the output has to look for the line's end again.
template <typename OffsetType>
struct [[gnu::packed]] LongEntry {
  using Offset = OffsetType;
  using Prefix = uint64_t;
  struct [[gnu::packed]] Place {
    Offset start;
    uint32_t length;
  };
  Prefix prefix;
  Offset start;
  uint32_t length;  // kLengthUnknown for a line of 4 GiB or more
};

constexpr uint32_t kLengthUnknown = UINT32_MAX;

template <class E>
concept KeepsLength = requires(const E& e) {
  e.length;
};

template <class E>
typename E::Place placeOf(const E& e) {
  if constexpr (KeepsLength<E>) {
    return {e.start, e.length};
  } else {
    return {e.start};
  }
}

// The entries of one sort, in memory of their own so that it can shrink:
// once sorted they become places, which take half the room or less, and the
// rest goes back to the system before the result is allocated; for a text
// of short lines that is a sixth of the peak. Held by malloc, because only
// realloc shrinks a block without copying it.
template <class E>
class EntryTable {
 public:
  using Place = typename E::Place;

  explicit EntryTable(size_t count)
      : data_(static_cast<std::byte*>(std::malloc(std::max<size_t>(1, count * sizeof(E))))),
        count_(count) {
    if (data_ == nullptr) throw std::bad_alloc();
  }
  ~EntryTable() { std::free(data_); }
  EntryTable(const EntryTable&) = delete;
  EntryTable& operator=(const EntryTable&) = delete;

  [[nodiscard]] E* entries() { return reinterpret_cast<E*>(data_); }

  // Front to back, each place written where entries already read lay.
  [[nodiscard]] const Place* shrinkToPlaces(Progress& progress) {
    ProgressTicker ticker(progress);
    for (size_t i = 0; i < count_; ++i) {
      E entry;
      std::memcpy(&entry, data_ + i * sizeof(E), sizeof(E));
      const Place place = placeOf(entry);
      std::memcpy(data_ + i * sizeof(Place), &place, sizeof(Place));
      ticker.at(static_cast<int64_t>(i));
    }
    if (void* smaller = std::realloc(data_, std::max<size_t>(1, count_ * sizeof(Place)))) {
      data_ = static_cast<std::byte*>(smaller);
    }
    return reinterpret_cast<const Place*>(data_);
  }

 private:
  std::byte* data_;
  size_t count_;
};

// Lines of at least this many bytes on average (CR LF included) take the
// long entry: its sixteen bytes (twenty past 4 GiB) are then at most two
// thirds of the text.
constexpr size_t kLongPrefixFromLineSize = 24;

// Thrown inside a worker thread once the window's thread asked the workers
// to stop; caught at the worker's top.
struct WorkerStopped {};

// What the worker threads share with the window's thread: the comparisons
// made so far, for the progress bar, and the request to stop.
struct SortShared {
  std::atomic<int64_t> comparisons{0};
  std::stop_source stop;
};

// A worker's SortTicker: it adds its comparisons to the shared count and
// looks for the stop request once per stride, never touching the window.
class WorkerTicker {
 public:
  explicit WorkerTicker(SortShared& shared) : shared_(shared) {}

  void at(int64_t weight = 1) {
    budget_ -= weight;
    if (budget_ > 0) return;
    shared_.comparisons.fetch_add(kStride - budget_, std::memory_order_relaxed);
    budget_ = kStride;
    if (shared_.stop.stop_requested()) throw WorkerStopped{};
  }

 private:
  static constexpr int64_t kStride = int64_t{1} << 14;
  SortShared& shared_;
  int64_t budget_ = kStride;
};

// For the merge, whose progress goes by the lines written.
struct NoTicks {
  void at(int64_t = 1) {}
};

// The threads of one sort; leaving the scope in any way stops and joins
// them, so no worker outlives the entries it sorts.
struct Workers {
  SortShared shared;
  std::vector<std::thread> threads;
  ~Workers() {
    shared.stop.request_stop();
    for (std::thread& thread : threads) thread.join();
  }
};

template <class E>
class LineOrder {
 public:
  LineOrder(std::string_view text, const SortOptions& options)
      : text_(text),
        binary_(options.comparison == Comparison::Binary),
        descending_(options.descending),
        makeKey_(options.column == 0 ? 1 : options.column, binary_ ? 0 : ' '),
        primary_(binary_ ? kIdentity : collationWeights()) {}

  // A walk over entries or places in turn reads lines at random places of
  // the text; asking for the line this many steps ahead lets the cache
  // misses overlap instead of each waiting for the one before.
  static constexpr size_t kReadAhead = 16;

  template <class EntryOrPlace>
  void prefetchLine(const EntryOrPlace& e, uint64_t skip = 0) const {
    __builtin_prefetch(text_.data() + std::min<uint64_t>(text_.size() - 1, e.start + skip));
  }

  // Of an entry or a place.
  template <class EntryOrPlace>
  [[nodiscard]] std::string_view lineOf(const EntryOrPlace& e) const {
    const auto start = static_cast<size_t>(e.start);
    if constexpr (KeepsLength<EntryOrPlace>) {
      if (e.length != kLengthUnknown) return text_.substr(start, e.length);
    }
    return text_.substr(start, lineEnd(text_, start) - start);
  }

  [[nodiscard]] E entry(std::string_view line) const {
    E e;
    e.prefix = keyPrefix<typename E::Prefix>(makeKey_(line), makeKey_.fill(), primary_);
    e.start = static_cast<typename E::Offset>(line.data() - text_.data());
    if constexpr (KeepsLength<E>) {
      e.length = static_cast<uint32_t>(std::min<size_t>(line.size(), kLengthUnknown));
    }
    return e;
  }

  // Text order: the collation weights, then the bytes; ties keep input
  // order. `ticker` is told of every comparison, weighted by its length.
  template <class Ticker>
  [[nodiscard]] bool less(const E& a, const E& b, Ticker& ticker) const {
    if (a.prefix != b.prefix) {
      ticker.at();
      return descending_ ? a.prefix > b.prefix : a.prefix < b.prefix;
    }
    const std::string_view la = lineOf(a);
    const std::string_view lb = lineOf(b);
    ticker.at(1 + static_cast<int64_t>(std::min(la.size(), lb.size()) / kBytesPerTick));
    // Equal lines have equal keys under every option: millions of equal
    // lines then cost a memcmp each instead of two key walks.
    if (la != lb) {
      const Key ka = makeKey_(la);
      const Key kb = makeKey_(lb);
      int r = compareKeys(ka, kb, makeKey_.fill(), primary_);
      if (r == 0 && !binary_) r = compareKeys(ka, kb, makeKey_.fill(), kIdentity);
      if (r != 0) return descending_ ? r > 0 : r < 0;
    }
    return a.start < b.start;
  }

  // Sorts a range; a range already in order (all lines alike, or a text
  // sorted before) costs one comparison a line. Otherwise the prefixes are
  // sorted first, without reading the text, and then each run of equal
  // prefixes.
  template <class Ticker>
  void sort(E* first, E* last, Ticker& ticker) const {
    if (std::is_sorted(first, last, [&](const E& a, const E& b) { return less(a, b, ticker); })) {
      return;
    }
    sortByPrefix(first, last, ticker);
    sortRuns(first, last, sizeof(typename E::Prefix), 1, ticker);
  }

 private:
  // How many times a run of equal prefixes is keyed again by the next
  // weights before its lines are compared whole.
  static constexpr int kRekeyings = 4;

  template <class Ticker>
  void sortByPrefix(E* first, E* last, Ticker& ticker) const {
    std::sort(first, last, [&](const E& a, const E& b) {
      ticker.at();
      if (a.prefix != b.prefix) return descending_ ? a.prefix > b.prefix : a.prefix < b.prefix;
      return a.start < b.start;
    });
  }

  // Sorts each run of equal prefixes in a range sorted by prefix, whose keys
  // agree in their first `agreed` weights. A run is keyed again by its next
  // weights and sorted by them, which reads each line once, in turn: a
  // comparison reads two lines at random places of a large text, two cache
  // misses, and a run of n lines takes n log n of them.
  template <class Ticker>
  void sortRuns(E* first, E* last, uint64_t agreed, int rekeying, Ticker& ticker) const {
    const auto compare = [&](const E& a, const E& b) { return less(a, b, ticker); };
    for (E* run = first; run != last;) {
      E* runEnd = run + 1;
      while (runEnd != last && runEnd->prefix == run->prefix) ++runEnd;
      if (runEnd - run > 1 && !std::is_sorted(run, runEnd, compare)) {
        const typename E::Prefix shared = run->prefix;
        if (rekeying <= kRekeyings && rekey(run, runEnd, agreed, ticker)) {
          sortByPrefix(run, runEnd, ticker);
          sortRuns(run, runEnd, agreed + sizeof(shared), rekeying + 1, ticker);
          // The merge of the parts compares the first prefixes.
          for (E* e = run; e != runEnd; ++e) e->prefix = shared;
        } else {
          std::sort(run, runEnd, compare);
        }
      }
      run = runEnd;
    }
  }

  // Gives each entry of a run the weights of its key after the first `skip`
  // as its prefix; false, with the prefixes untouched, when no key is that
  // long, so that only whole lines can order the run.
  template <class Ticker>
  bool rekey(E* first, E* last, uint64_t skip, Ticker& ticker) const {
    const bool longer =
        std::any_of(first, last, [&](const E& e) { return keyLength(makeKey_(lineOf(e))) > skip; });
    if (!longer) return false;
    for (E* e = first; e != last; ++e) {
      if (static_cast<size_t>(last - e) > kReadAhead) prefetchLine(e[kReadAhead], skip);
      e->prefix =
          keyPrefix<typename E::Prefix>(makeKey_(lineOf(*e)), makeKey_.fill(), primary_, skip);
      ticker.at();
    }
    return true;
  }

  std::string_view text_;
  bool binary_;
  bool descending_;
  KeyMaker makeKey_;
  const Weights& primary_;
};

// Runs each task on a thread of its own while the calling thread keeps the
// progress bar at the workers' count divided by `perStep`; a cancel there
// stops the workers within a stride. `alongside`, when given, is work of
// the calling thread's own, a slice a call until it returns false.
void runInThreads(const std::vector<std::function<void(WorkerTicker&)>>& tasks, int64_t maximum,
                  int64_t perStep, Progress& progress,
                  const std::function<bool()>& alongside = nullptr) {
  std::mutex mutex;
  std::condition_variable wake;
  size_t finished = 0;
  std::vector<std::exception_ptr> failures(tasks.size());
  {
    Workers workers;
    for (size_t task = 0; task < tasks.size(); ++task) {
      workers.threads.emplace_back([&, task] {
        try {
          WorkerTicker ticker(workers.shared);
          tasks[task](ticker);
        } catch (const WorkerStopped&) {
        } catch (...) {
          failures[task] = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        ++finished;
        wake.notify_one();
      });
    }
    bool more = static_cast<bool>(alongside);
    for (bool allFinished = false; !allFinished;) {
      if (more) more = alongside();
      {
        std::unique_lock lock(mutex);
        const auto allDone = [&] { return finished == tasks.size(); };
        allFinished =
            more ? allDone() : wake.wait_for(lock, std::chrono::milliseconds(20), allDone);
      }
      const int64_t done = workers.shared.comparisons.load(std::memory_order_relaxed);
      progress.setValue(std::min(maximum, done / perStep));
    }
  }
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

// The calling thread's ticker for writing the lines: the bar counts them.
class WrittenLines {
 public:
  explicit WrittenLines(Progress& progress) : ticker_(progress) {}
  void at(int64_t lines = 1) { ticker_.at(written_ += lines); }

 private:
  ProgressTicker ticker_;
  int64_t written_ = 0;
};

// Writes `lines` lines of the sorted parts (each from bounds[p] to
// bounds[p + 1]), each followed by CR LF: forward, the smallest lines from
// `edge` on; backward, the greatest ones ending at `edge`. One thread can
// write each half of the output at once, with no need to know where the
// second half starts.
template <bool kForward, class E, class Ticker>
void mergeParts(const LineOrder<E>& order, const typename E::Place* places,
                const std::vector<size_t>& bounds, size_t lines, char* edge, Ticker& ticker) {
  const size_t parts = bounds.size() - 1;
  std::vector<size_t> heads(kForward ? bounds.begin() : bounds.begin() + 1,
                            kForward ? bounds.end() - 1 : bounds.end());
  const auto exhausted = [&](size_t part) {
    return heads[part] == bounds[kForward ? part + 1 : part];
  };
  // The entry of each part's next line, keyed again from its place.
  std::vector<E> next(parts);
  const auto load = [&](size_t part) {
    if (exhausted(part)) return;
    const size_t head = kForward ? heads[part] : heads[part] - 1;
    const size_t end = bounds[kForward ? part + 1 : part];
    constexpr size_t ahead = LineOrder<E>::kReadAhead;
    if (kForward ? end - head > ahead : head - end >= ahead) {
      order.prefetchLine(places[kForward ? head + ahead : head - ahead]);
    }
    next[part] = order.entry(order.lineOf(places[head]));
  };
  for (size_t part = 0; part < parts; ++part) load(part);
  NoTicks noTicks;
  for (size_t i = 0; i < lines; ++i) {
    size_t best = parts;
    for (size_t part = 0; part < parts; ++part) {
      if (exhausted(part)) continue;
      if (best == parts) {
        best = part;
      } else if (kForward ? order.less(next[part], next[best], noTicks)
                          : order.less(next[best], next[part], noTicks)) {
        best = part;
      }
    }
    const std::string_view line = order.lineOf(next[best]);
    if constexpr (kForward) {
      ++heads[best];
    } else {
      --heads[best];
      edge -= line.size() + 2;
    }
    load(best);
    std::memcpy(edge, line.data(), line.size());
    edge[line.size()] = '\r';
    edge[line.size() + 1] = '\n';
    if constexpr (kForward) edge += line.size() + 2;
    ticker.at();
  }
}

template <class E>
std::string sortLines(std::string_view text, size_t lineCount, size_t outputSize,
                      const SortOptions& options, unsigned threads, Progress& progress) {
  const LineOrder<E> order(text, options);
  progress.setMaximum(static_cast<int64_t>(lineCount));

  EntryTable<E> table(lineCount);
  E* const entries = table.entries();
  ProgressTicker keying(progress);
  CrLfLines walker(text);
  for (size_t i = 0; const std::optional<std::string_view> line = walker.next(); ++i) {
    entries[i] = order.entry(*line);
    keying.at(static_cast<int64_t>(i));
  }
  progress.setValue(0);

  // The parts are sorted apart and merged: the order is total (ties go by
  // position), so the result is the same for any number of parts.
  const size_t parts = std::clamp<size_t>(threads, 1, kMostThreads);
  std::vector<size_t> bounds;
  for (size_t part = 0; part <= parts; ++part) bounds.push_back(lineCount * part / parts);
  const auto count = static_cast<int64_t>(lineCount);

  // Sized a slice at a time: zeroing a gigabyte in one go would leave the
  // window without a cancel point for a second or more.
  std::string out;
  const auto sizeSlice = [&] {
    out.resize(std::min(outputSize, out.size() + kSizingSlice));
    return out.size() < outputSize;
  };
  // Long lines leave room for the result beside the text and the entries
  // while the parts are sorted, so the calling thread sizes it meanwhile:
  // the first touch of a gigabyte of fresh memory can take seconds.
  std::function<bool()> alongside;
  if constexpr (KeepsLength<E>) {
    out.reserve(outputSize);
    alongside = sizeSlice;
  }
  if (parts == 1) {
    SortTicker sorting(progress, count);
    order.sort(entries, entries + lineCount, sorting);
  } else {
    std::vector<std::function<void(WorkerTicker&)>> tasks;
    for (size_t part = 0; part < parts; ++part) {
      tasks.emplace_back([&, part](WorkerTicker& ticker) {
        order.sort(entries + bounds[part], entries + bounds[part + 1], ticker);
      });
    }
    runInThreads(tasks, count, std::bit_width(static_cast<uint64_t>(count < 2 ? 2 : count)),
                 progress, alongside);
  }
  const typename E::Place* const places = table.shrinkToPlaces(progress);
  progress.setValue(0);

  out.reserve(outputSize);
  while (out.size() < outputSize) {
    sizeSlice();
    progress.setValue(0);
  }

  // The parts are merged straight into the output, so no second table is
  // ever held.
  if (parts == 1) {
    WrittenLines writing(progress);
    mergeParts<true>(order, places, bounds, lineCount, out.data(), writing);
  } else {
    const size_t firstHalf = lineCount / 2;
    runInThreads({[&](WorkerTicker& ticker) {
                    mergeParts<true>(order, places, bounds, firstHalf, out.data(), ticker);
                  },
                  [&](WorkerTicker& ticker) {
                    mergeParts<false>(order, places, bounds, lineCount - firstHalf,
                                      out.data() + out.size(), ticker);
                  }},
                 count, 1, progress);
  }
  return out;
}

}  // namespace

LineSort::LineSort(std::string_view text, Progress& progress) : text_(text) {
  progress.setMaximum(static_cast<int64_t>(text.size()));
  ProgressTicker walking(progress, int64_t{1} << 22);
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) {
    ++lineCount_;
    outputSize_ += line->size() + 2;
    walking.at(line->data() - text.data());
  }
}

std::string LineSort::sorted(const SortOptions& options, Progress& progress,
                             unsigned threads) const {
  if (threads == 0) {
    threads = lineCount_ < kThreadedFromLines ? 1 : std::thread::hardware_concurrency();
  }
  const bool longLines = outputSize_ >= lineCount_ * kLongPrefixFromLineSize;
  const auto sort = [&]<class E>(E) {
    return sortLines<E>(text_, lineCount_, outputSize_, options, threads, progress);
  };
  if (text_.size() <= UINT32_MAX) {
    return longLines ? sort(LongEntry<uint32_t>{}) : sort(ShortEntry<uint32_t>{});
  }
  return longLines ? sort(LongEntry<uint64_t>{}) : sort(ShortEntry<uint64_t>{});
}

}  // namespace brimlet
