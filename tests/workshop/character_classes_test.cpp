// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/character_classes.h"

#include <gtest/gtest.h>

#include <set>

namespace brimlet {
namespace {

TEST(ClassMembers, SizesMatchTheButtonsAndTheFirstFiveShareNoByte) {
  const std::pair<CharacterClass, size_t> sizes[] = {
      {CharacterClass::Special, 100},    {CharacterClass::NonGerman, 63},
      {CharacterClass::Punctuation, 20}, {CharacterClass::Vowels, 16},
      {CharacterClass::Consonants, 43},  {CharacterClass::Blanks, 1},
      {CharacterClass::Digits, 10},      {CharacterClass::Nul, 1}};
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

}  // namespace
}  // namespace brimlet
