// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cli/scripted_platform.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

using Names = std::vector<std::string>;

struct NamesCase {
  const char* what;
  std::string text;
  const char* extension;
  bool numbering;
  const char* numberingTemplate;
  Names expected;
};

TEST(NamesFromText, LinesBecomeCleanedNumberedNames) {
  const NamesCase cases[] = {
      {"empty and one-blank lines skipped",
       "A\r\n\r\n \r\nB\r\n",
       ".txt",
       false,
       "",
       {"A.txt", "B.txt"}},
      {"a last line without CR is no name", "A\r\nB", ".mp3", false, "", {"A.mp3"}},
      {"two blanks are a name", "  \r\n", "", false, "", {"  "}},
      {"duplicates dropped without numbering", "A\r\nA\r\n", ".mp3", false, "", {"A.mp3"}},
      {"duplicates kept with numbering",
       "A\r\nA\r\n",
       ".mp3",
       true,
       "00",
       {"01 A.mp3", "02 A.mp3"}},
      {"duplicate test before cleaning", "a?b\r\nab\r\n", ".mp3", false, "", {"ab.mp3", "ab.mp3"}},
      {"case differs: no duplicate", "a\r\nA\r\n", "", false, "", {"a", "A"}},
      {"forbidden characters", "AC/DC: Live?\r\n", ".mp3", false, "", {"AC_DC_ Live.mp3"}},
      {"the rest of the set", "a<b>c\\d*e\tf\r\n", "", false, "", {"a_b_c_def"}},
      {"NUL and a bare LF cannot be in a name",
       std::string("a\0b\nc\r\n", 8),
       "",
       false,
       "",
       {"abc"}},
      {"CR without LF swallows the next byte", "A\rxB\r\n", "", false, "", {"A", "B"}},
      {"Windows-1252 letters stay", cp("Größe\r\n"), ".mp3", false, "", {cp("Größe.mp3")}},
      {"template offset", "x\r\ny\r\n", "", true, "05", {"06 x", "07 y"}},
      {"template '0' is width 2", "x\r\n", "", true, "0", {"01 x"}},
      {"template '000000' is width 5", "x\r\n", "", true, "000000", {"00001 x"}},
      {"template 'x' is offset 0", "x\r\n", "", true, "x", {"01 x"}},
      {"more digits than width keep the last", "x\r\n", "", true, "99", {"00 x"}},
      {"negative offset counts 0", "x\r\n", "", true, "-7", {"01 x"}},
      {"offset limited to 99000", "x\r\n", "", true, "123456", {"99001 x"}},
  };
  for (const NamesCase& c : cases) {
    EXPECT_EQ(namesFromText(c.text, {c.extension, c.numbering, c.numberingTemplate}), c.expected)
        << c.what;
  }
}

TEST(WithoutLeadingNumber, DigitsThenBlanksGo) {
  const std::pair<const char*, const char*> cases[] = {
      {"0042 Song.mp3", "Song.mp3"}, {"1984.mp3", ".mp3"}, {" 12 a", "12 a"},
      {"12  34 a", "34 a"},          {"007", ""},          {"Song 1.mp3", "Song 1.mp3"},
  };
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(withoutLeadingNumber(name), expected) << name;
}

std::set<std::string> expectedPrefixes(size_t count, size_t width) {
  std::set<std::string> prefixes;
  for (size_t n = 1; n <= count; ++n) {
    std::string digits = std::string(10, '0') + std::to_string(n);
    prefixes.insert(digits.substr(digits.size() - width) + " ");
  }
  return prefixes;
}

TEST(RandomPrefixes, FormAPermutationOfTheNumbersWithTheirWidth) {
  ScriptedPlatform platform;
  platform.seedRandom(7);
  EXPECT_EQ(randomPrefixes(1, platform), Names{"1 "});
  const std::pair<size_t, size_t> sizes[] = {{2, 1},   {10, 1},  {11, 2},
                                             {100, 2}, {101, 3}, {1000, 3}};
  for (const auto& [count, width] : sizes) {
    const Names prefixes = randomPrefixes(count, platform);
    EXPECT_EQ(std::set<std::string>(prefixes.begin(), prefixes.end()),
              expectedPrefixes(count, width))
        << count;
    EXPECT_EQ(prefixes.size(), count);
  }
}

}  // namespace
}  // namespace brimlet
