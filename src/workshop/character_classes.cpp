// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/character_classes.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "workshop/byte_compaction.h"
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
    // clang-format off
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
    // clang-format on
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

static_assert(kSliceRoom >= kCompactionRoom);

}  // namespace

std::string withoutBytes(std::string_view text, const std::array<bool, 256>& remove,
                         Progress& progress) {
  const ByteSet set(remove);
  return rewriteSlices(text, progress, [&set](const char* from, size_t size, char* to) {
    return compactBytes(from, size, set, to, nullptr);
  });
}

ByteRemoval countAndRemoveBytes(std::string_view text, const std::array<bool, 256>& remove,
                                Progress& progress) {
  const ByteSet set(remove);
  ByteTally tally;
  std::string removed(kSlice + kSliceRoom, '\0');
  ByteRemoval result;
  result.text = rewriteSlices(text, progress, [&](const char* from, size_t size, char* to) {
    const size_t kept = compactBytes(from, size, set, to, removed.data());
    tally.add(removed.data(), size - kept);
    return kept;
  });
  result.counts = tally.total();
  return result;
}

}  // namespace brimlet
