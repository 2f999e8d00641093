#include "workshop/character_classes.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "workshop/slice_rewrite.h"

namespace brimlet {
namespace {

using Ranges = std::initializer_list<std::pair<int, int>>;

std::vector<unsigned char> expand(Ranges ranges) {
  std::vector<unsigned char> members;
  for (const auto& [first, last] : ranges) {
    for (int b = first; b <= last; ++b) members.push_back(static_cast<unsigned char>(b));
  }
  return members;
}

}  // namespace

std::vector<unsigned char> classMembers(CharacterClass characterClass) {
  switch (characterClass) {
    case CharacterClass::Special:
      return expand({{1, 9}, {11, 12}, {14, 31}, {35, 35}, {92, 92}, {94, 94}, {96, 96},
                     {123, 127}, {129, 162}, {164, 164}, {166, 166}, {168, 168}, {170, 170},
                     {172, 186}, {188, 190}, {215, 216}, {222, 222}, {247, 248}, {254, 254}});
    case CharacterClass::NonGerman:
      return expand({{37, 38}, {42, 43}, {60, 60}, {62, 62}, {64, 64}, {91, 91}, {93, 93},
                     {95, 95}, {169, 169}, {191, 195}, {197, 213}, {217, 219}, {221, 221},
                     {224, 227}, {229, 245}, {249, 251}, {253, 253}, {255, 255}});
    case CharacterClass::Punctuation:
      return expand({{33, 34}, {36, 36}, {39, 41}, {44, 47}, {58, 59}, {61, 61}, {63, 63},
                     {128, 128}, {163, 163}, {165, 165}, {167, 167}, {171, 171}, {187, 187}});
    case CharacterClass::Vowels:
      return expand({{65, 65}, {69, 69}, {73, 73}, {79, 79}, {85, 85}, {97, 97}, {101, 101},
                     {105, 105}, {111, 111}, {117, 117}, {196, 196}, {214, 214}, {220, 220},
                     {228, 228}, {246, 246}, {252, 252}});
    case CharacterClass::Consonants:
      return expand({{66, 68}, {70, 72}, {74, 78}, {80, 84}, {86, 90}, {98, 100}, {102, 104},
                     {106, 110}, {112, 116}, {118, 122}, {223, 223}});
    case CharacterClass::Blanks:
      return expand({{32, 32}});
    case CharacterClass::Digits:
      return expand({{48, 57}});
    case CharacterClass::Nul:
      return expand({{0, 0}});
  }
  return {};
}

std::string byteDescription(unsigned char byte) {
  if (byte == ' ') return "leerzeichen";
  if (byte == 0) return "nullbytes";
  return std::string(1, static_cast<char>(byte));
}

namespace {

// Four tables side by side keep consecutive equal bytes from waiting on
// each other's increment.
class ByteTally {
 public:
  void add(const char* text, size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    size_t i = 0;
    for (; i + 4 <= size; i += 4) {
      ++partial_[0][bytes[i]];
      ++partial_[1][bytes[i + 1]];
      ++partial_[2][bytes[i + 2]];
      ++partial_[3][bytes[i + 3]];
    }
    for (; i < size; ++i) ++partial_[0][bytes[i]];
  }
  [[nodiscard]] ByteCounts total() const {
    ByteCounts counts{};
    for (int b = 0; b < 256; ++b) {
      counts[b] = partial_[0][b] + partial_[1][b] + partial_[2][b] + partial_[3][b];
    }
    return counts;
  }

 private:
  std::array<std::array<int64_t, 256>, 4> partial_{};
};

using KeepTable = std::array<unsigned char, 256>;

// Branch-free: every byte is written, and the write position only moves on
// past a byte that stays.
size_t keptByteByByte(const unsigned char* from, size_t size, char* to, const KeepTable& keep) {
  size_t written = 0;
#pragma GCC unroll 8
  for (size_t i = 0; i < size; ++i) {
    to[written] = static_cast<char>(from[i]);
    written += keep[from[i]];
  }
  return written;
}

// Where few bytes go, blocks of eight that all stay are copied whole; their
// eight look-ups do not wait on each other as the write position does.
size_t keptByBlocks(const unsigned char* from, size_t size, char* to, const KeepTable& keep) {
  constexpr size_t kBlock = 8;
  size_t written = 0;
  size_t i = 0;
  for (; i + kBlock <= size; i += kBlock) {
    unsigned kept = 0;
    for (size_t k = 0; k < kBlock; ++k) kept += keep[from[i + k]];
    if (kept == kBlock) {
      std::memcpy(to + written, from + i, kBlock);
      written += kBlock;
    } else {
      written += keptByteByByte(from + i, kBlock, to + written, keep);
    }
  }
  return written + keptByteByByte(from + i, size - i, to + written, keep);
}

// Removes the bytes slice by slice, by blocks while the slice before lost
// fewer than one byte in 64.
class ByteRemover {
 public:
  explicit ByteRemover(const std::array<bool, 256>& remove) {
    for (size_t b = 0; b < keep_.size(); ++b) keep_[b] = remove[b] ? 0 : 1;
  }

  size_t operator()(const char* from, size_t size, char* to) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(from);
    const size_t written = sparse_ ? keptByBlocks(bytes, size, to, keep_)
                                   : keptByteByByte(bytes, size, to, keep_);
    sparse_ = (size - written) * 64 < size;
    return written;
  }

 private:
  KeepTable keep_{};
  bool sparse_ = false;
};

}  // namespace

std::string withoutBytes(std::string_view text, const std::array<bool, 256>& remove,
                         Progress& progress) {
  return rewriteSlices(text, progress, ByteRemover(remove));
}

ByteRemoval countAndRemoveBytes(std::string_view text, const std::array<bool, 256>& remove,
                                Progress& progress) {
  ByteRemover remover(remove);
  ByteTally tally;
  ByteRemoval result;
  result.text = rewriteSlices(text, progress, [&](const char* from, size_t size, char* to) {
    tally.add(from, size);  // while the slice is in the cache
    return remover(from, size, to);
  });
  result.counts = tally.total();
  return result;
}

}  // namespace brimlet
