#include "workshop/line_sort.h"

#include <algorithm>
#include <array>
#include <cstring>

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
    const uint64_t width = column < 0 ? static_cast<uint64_t>(-(column + 1)) + 1
                                      : static_cast<uint64_t>(column);
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

// The first eight weights of a key, big-endian, zero-padded: comparing two
// of these never contradicts compareKeys, and mostly settles the order.
uint64_t keyPrefix(const Key& key, unsigned char fill, const Weights& weights) {
  uint64_t prefix = 0;
  int taken = 0;
  for (int p = 0; p < key.used && taken < 8; ++p) {
    const Piece& piece = key.pieces[p];
    for (uint64_t i = 0; i < piece.count && taken < 8; ++i, ++taken) {
      const unsigned char byte =
          piece.data ? static_cast<unsigned char>(piece.data[i]) : fill;
      prefix |= uint64_t{weights[byte]} << (56 - 8 * taken);
    }
  }
  return prefix;
}

// Large buffers are counted and sized in slices of this many bytes, each
// followed by a cancel point.
constexpr size_t kSlice = size_t{1} << 24;

// A comparison that walks two long lines counts once per this many bytes,
// so that lines of megabytes still reach a cancel point in time.
constexpr size_t kBytesPerTick = 256;

struct Entry {
  uint64_t prefix;
  size_t line;
};

}  // namespace

LineSort::LineSort(std::string_view text, Progress& progress) {
  constexpr int64_t kStride = int64_t{1} << 22;
  progress.setMaximum(static_cast<int64_t>(text.size()));
  // Counted slice by slice, so that counting a gigabyte has cancel points too.
  size_t crs = 0;
  for (size_t at = 0; at < text.size(); at += kSlice) {
    crs += countCr(text.substr(at, kSlice));
    progress.setValue(0);
  }
  lines_.reserve(crs + 1);
  ProgressTicker walking(progress, kStride);
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) {
    lines_.push_back(*line);
    outputSize_ += line->size() + 2;
    walking.at(line->data() - text.data());
  }
}

std::string LineSort::sorted(const SortOptions& options, Progress& progress) const {
  const bool binary = options.comparison == Comparison::Binary;
  const KeyMaker makeKey(options.column == 0 ? 1 : options.column, binary ? 0 : ' ');
  const Weights& primary = binary ? kIdentity : collationWeights();
  const int64_t n = static_cast<int64_t>(lines_.size());
  progress.setMaximum(n);

  // Filled as keyed rather than zeroed first, for the same reason as the
  // output below.
  std::vector<Entry> entries;
  entries.reserve(lines_.size());
  ProgressTicker keying(progress);
  for (size_t i = 0; i < lines_.size(); ++i) {
    entries.push_back({keyPrefix(makeKey(lines_[i]), makeKey.fill(), primary), i});
    keying.at(static_cast<int64_t>(i));
  }
  progress.setValue(0);

  // Text order: the collation weights, then the bytes; ties keep input order.
  auto compare = [&](const Entry& a, const Entry& b) {
    const Key ka = makeKey(lines_[a.line]);
    const Key kb = makeKey(lines_[b.line]);
    int r = compareKeys(ka, kb, makeKey.fill(), primary);
    if (r == 0 && !binary) r = compareKeys(ka, kb, makeKey.fill(), kIdentity);
    return r;
  };
  const bool descending = options.descending;
  SortTicker sorting(progress, n);
  std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    if (a.prefix != b.prefix) {
      sorting.at();
      return descending ? a.prefix > b.prefix : a.prefix < b.prefix;
    }
    sorting.at(1 + static_cast<int64_t>(
                       std::min(lines_[a.line].size(), lines_[b.line].size()) / kBytesPerTick));
    const int r = compare(a, b);
    if (r != 0) return descending ? r > 0 : r < 0;
    return a.line < b.line;
  });
  progress.setValue(0);

  // Sized a slice at a time: zeroing a gigabyte in one go would leave the
  // window without a cancel point for a second or more.
  std::string out;
  out.reserve(outputSize_);
  while (out.size() < outputSize_) {
    out.resize(std::min(outputSize_, out.size() + kSlice));
    progress.setValue(0);
  }
  char* write = out.data();
  ProgressTicker writing(progress);
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string_view line = lines_[entries[i].line];
    std::memcpy(write, line.data(), line.size());
    write[line.size()] = '\r';
    write[line.size() + 1] = '\n';
    write += line.size() + 2;
    writing.at(static_cast<int64_t>(i));
  }
  return out;
}

}  // namespace brimlet
