// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/line_sort.h"

#include <algorithm>
#include <array>
#include <cstring>
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

// The first four weights of a key, big-endian, zero-padded: comparing two
// of these never contradicts compareKeys, and mostly settles the order.
uint32_t keyPrefix(const Key& key, unsigned char fill, const Weights& weights) {
  uint32_t prefix = 0;
  int taken = 0;
  for (int p = 0; p < key.used && taken < 4; ++p) {
    const Piece& piece = key.pieces[p];
    for (uint64_t i = 0; i < piece.count && taken < 4; ++i, ++taken) {
      const unsigned char byte = piece.data ? static_cast<unsigned char>(piece.data[i]) : fill;
      prefix |= uint32_t{weights[byte]} << (24 - 8 * taken);
    }
  }
  return prefix;
}

// Where the line starting at `start` ends, as CrLfLines reads it: at the
// next CR LF, else at the text's end less a final lone LF.
size_t lineEnd(std::string_view text, size_t start) {
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

// A line as its key prefix and its start: eight bytes a line when the
// text's offsets fit 32 bits, so sorting a gigabyte of ten-byte lines takes
// less than the text again beside the text and its result. The line's end
// is looked up again when the prefixes tie; memchr makes that cheaper than
// keeping it.
template <typename Offset>
struct Entry {
  uint32_t prefix;
  Offset start;
};

template <typename Offset>
std::string sortLines(std::string_view text, size_t lineCount, size_t outputSize,
                      const SortOptions& options, Progress& progress) {
  const bool binary = options.comparison == Comparison::Binary;
  const KeyMaker makeKey(options.column == 0 ? 1 : options.column, binary ? 0 : ' ');
  const Weights& primary = binary ? kIdentity : collationWeights();
  progress.setMaximum(static_cast<int64_t>(lineCount));

  std::vector<Entry<Offset>> entries;
  entries.reserve(lineCount);
  const auto lineOf = [text](const Entry<Offset>& e) {
    const auto start = static_cast<size_t>(e.start);
    return text.substr(start, lineEnd(text, start) - start);
  };
  ProgressTicker keying(progress);
  CrLfLines walker(text);
  while (const std::optional<std::string_view> line = walker.next()) {
    entries.push_back({keyPrefix(makeKey(*line), makeKey.fill(), primary),
                       static_cast<Offset>(line->data() - text.data())});
    keying.at(static_cast<int64_t>(entries.size()));
  }
  progress.setValue(0);

  // Text order: the collation weights, then the bytes; ties keep input order.
  SortTicker sorting(progress, static_cast<int64_t>(lineCount));
  auto compare = [&](const Entry<Offset>& a, const Entry<Offset>& b) {
    const std::string_view la = lineOf(a);
    const std::string_view lb = lineOf(b);
    sorting.at(1 + static_cast<int64_t>(std::min(la.size(), lb.size()) / kBytesPerTick));
    const Key ka = makeKey(la);
    const Key kb = makeKey(lb);
    int r = compareKeys(ka, kb, makeKey.fill(), primary);
    if (r == 0 && !binary) r = compareKeys(ka, kb, makeKey.fill(), kIdentity);
    return r;
  };
  const bool descending = options.descending;
  std::sort(entries.begin(), entries.end(), [&](const Entry<Offset>& a, const Entry<Offset>& b) {
    if (a.prefix != b.prefix) {
      sorting.at();
      return descending ? a.prefix > b.prefix : a.prefix < b.prefix;
    }
    const int r = compare(a, b);
    if (r != 0) return descending ? r > 0 : r < 0;
    return a.start < b.start;
  });
  progress.setValue(0);

  // Sized a slice at a time: zeroing a gigabyte in one go would leave the
  // window without a cancel point for a second or more.
  std::string out;
  out.reserve(outputSize);
  while (out.size() < outputSize) {
    out.resize(std::min(outputSize, out.size() + kSizingSlice));
    progress.setValue(0);
  }
  char* write = out.data();
  ProgressTicker writing(progress);
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string_view line = lineOf(entries[i]);
    std::memcpy(write, line.data(), line.size());
    write[line.size()] = '\r';
    write[line.size() + 1] = '\n';
    write += line.size() + 2;
    writing.at(static_cast<int64_t>(i));
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

std::string LineSort::sorted(const SortOptions& options, Progress& progress) const {
  if (text_.size() <= UINT32_MAX) {
    return sortLines<uint32_t>(text_, lineCount_, outputSize_, options, progress);
  }
  return sortLines<uint64_t>(text_, lineCount_, outputSize_, options, progress);
}

}  // namespace brimlet
