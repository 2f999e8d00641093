#include <gtest/gtest.h>

#include <set>
#include <string>

#include "workshop/character_classes.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

TEST(ClassMembers, SizesMatchTheButtonsAndTheFirstFiveShareNoByte) {
  const std::pair<CharacterClass, size_t> sizes[] = {
      {CharacterClass::Special, 100}, {CharacterClass::NonGerman, 63},
      {CharacterClass::Punctuation, 20}, {CharacterClass::Vowels, 16},
      {CharacterClass::Consonants, 43}, {CharacterClass::Blanks, 1},
      {CharacterClass::Digits, 10}, {CharacterClass::Nul, 1}};
  std::set<int> seen;
  for (const auto& [characterClass, size] : sizes) {
    const std::vector<unsigned char> members = classMembers(characterClass);
    EXPECT_EQ(members.size(), size) << static_cast<int>(characterClass);
    EXPECT_TRUE(std::is_sorted(members.begin(), members.end()));
    for (const unsigned char b : members) EXPECT_TRUE(seen.insert(b).second) << int{b};
  }
  // Together the classes cover every byte except LF and CR.
  EXPECT_EQ(seen.size(), 254u);
  EXPECT_EQ(seen.count('\n') + seen.count('\r'), 0u);
}

TEST(ClassMembers, SpotChecksAgainstTheCodePage) {
  const auto has = [](CharacterClass c, unsigned char b) {
    const std::vector<unsigned char> m = classMembers(c);
    return std::find(m.begin(), m.end(), b) != m.end();
  };
  EXPECT_TRUE(has(CharacterClass::Special, 0xA0));      // no-break space
  EXPECT_TRUE(has(CharacterClass::Special, 0xAD));      // soft hyphen
  EXPECT_TRUE(has(CharacterClass::NonGerman, 0xE9));    // é
  EXPECT_TRUE(has(CharacterClass::Punctuation, 0x80));  // €
  EXPECT_TRUE(has(CharacterClass::Punctuation, 0xA7));  // §
  EXPECT_TRUE(has(CharacterClass::Vowels, 0xDC));       // Ü
  EXPECT_TRUE(has(CharacterClass::Consonants, 0xDF));   // ß
  EXPECT_FALSE(has(CharacterClass::NonGerman, 0xE4));   // ä is German
}

TEST(ByteDescription, NamesBlankAndNulAndShowsEveryOtherByte) {
  EXPECT_EQ(byteDescription(' '), "leerzeichen");
  EXPECT_EQ(byteDescription(0), "nullbytes");
  EXPECT_EQ(byteDescription('7'), "7");
  EXPECT_EQ(byteDescription(0x01), "\x01");
}

TEST(CountBytes, CountsEveryValueOfAnyLength) {
  std::string text;
  for (int b = 0; b < 256; ++b) text.append(static_cast<size_t>(b % 7), static_cast<char>(b));
  const ByteCounts counts = countBytes(text);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(counts[b], b % 7) << b;
}

TEST(WithoutBytes, RemovesTheFlaggedBytesAndKeepsTheRestInOrder) {
  std::array<bool, 256> remove{};
  remove['t'] = remove['T'] = remove[0] = true;
  NoProgress progress;
  EXPECT_EQ(withoutBytes("Otto\0tT\xFF"s, remove, progress), "Oo\xFF");
  EXPECT_EQ(withoutBytes("", remove, progress), "");
}

}  // namespace
}  // namespace brimlet
