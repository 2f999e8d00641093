// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/rtf_reader.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <vector>

#include "display/sample_file.h"

namespace brimlet {
namespace {

// Words as runs of ASCII letters and digits and of the Latin-1 letters, so
// that punctuation, bullets and spacing may differ between converters.
std::vector<std::string> words(std::string_view bytes) {
  std::vector<std::string> out;
  std::string word;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0xC0) {
      word += c;
    } else if (!word.empty()) {
      out.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) out.push_back(word);
  return out;
}

// The reference converter writes a character beyond U+00FF as the low byte
// of its code (š as "a", ř as "Y"); ours is compared in the same form.
std::string lowBytes(const std::u32string& text) {
  std::string out;
  for (const char32_t c : text) out += static_cast<char>(c & 0xFF);
  return out;
}

// The reference's own header ends with a line of dashes.
std::string referenceBody(const std::string& reference) {
  const size_t dashes = reference.find("-----------------\n");
  return dashes == std::string::npos ? reference : reference.substr(dashes + 18);
}

class RealRtfFile : public ::testing::TestWithParam<const char*> {};

TEST_P(RealRtfFile, GivesTheWordsOfAnotherConverter) {
  const std::string name = GetParam();
  const auto text = rtfToUnicode(testing::readSample("rtf/" + name + ".rtf"));
  ASSERT_TRUE(text.has_value());
  const std::string reference = testing::readSample("rtf/" + name + ".unrtf.txt");
  EXPECT_EQ(words(lowBytes(*text)), words(referenceBody(reference)));
}

INSTANTIATE_TEST_SUITE_P(Samples, RealRtfFile,
                         ::testing::Values("libreoffice-7.4-converted-brief-de",
                                           "libreoffice-7.4-converted-notizen-de",
                                           "tika-libreoffice-list", "tika-textedit-umlaut",
                                           "tika-word-german-list", "tika-wordpad-czech-unicode",
                                           "tika-wordpad-msftedit-umlaut"));

TEST(RtfReader, TheLetterComesOutInWindows1252) {
  const auto text = rtfToText(testing::readSample("rtf/libreoffice-7.4-converted-brief-de.rtf"));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->substr(0, 40), "Sehr geehrte Frau M\xFCller,\r\n\r\nvielen Dank");
  EXPECT_NE(text->find("Gr\xF6\xDF"
                       "e der \xDC"
                       "bersicht"),
            std::string::npos);
}

struct RtfCase {
  std::string rtf;
  std::optional<std::string> text;
};

TEST(RtfReader, ReadsTheConstructsOfTheFormat) {
  const RtfCase cases[] = {
      {"plain text", std::nullopt},
      {"{\\rtf1 a\\par b}", "a\r\nb"},
      {"{\\rtf1 \\'e4\\'C4}", "\xE4\xC4"},
      // \uN with its one fallback character, then with \uc2 two of them.
      {"{\\rtf1 x\\u8364?y}", "x\x80y"},
      {"{\\rtf1\\uc2 \\u228\\'61\\'62c}",
       "\xE4"
       "c"},
      {"{\\rtf1 \\u-3913?z}", "?z"},
      {"{\\rtf1 \\u55357?\\u56832?!}", "?!"},  // a pair of surrogates is one character
      {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\*\\generator W;}T}", "T"},
      {"{\\rtf1{\\info{\\title x}}{\\pict 0101}{\\*\\unknown q}r}", "r"},
      {"{\\rtf1 a\\bin2 {}b}", "ab"},
      {"{\\rtf1 \\{\\}\\\\\\tab\\~\\-x}", "{}\\\t\xA0x"},
      {"{\\rtf1 \\ldblquote q\\rdblquote \\emdash}", "\x93q\x94\x97"},
      // A font's character set decides how its bytes read: 0xC8 is Č in
      // Central European, which Windows-1252 lacks.
      {"{\\rtf1{\\fonttbl{\\f1\\fcharset238 A;}}\\f1\\'c8\\'e1\\'9a}", "?\xE1\x9A"},
      {"{\\rtf1\\ansicpg1251 \\'c0}", "?"},
      {"{\\rtf1 unclosed \\'4", "unclosed "},
      {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Link}}}", "Link"},
  };
  for (const auto& c : cases) EXPECT_EQ(rtfToText(c.rtf), c.text) << c.rtf;
}

}  // namespace
}  // namespace brimlet

namespace brimlet {
namespace {

// Broken and hostile sources (unbalanced groups, cut-off escapes, huge
// numbers) must end in some text, never in a crash or a hang.
TEST(RtfReader, SurvivesRandomSource) {
  const std::string_view pieces[] = {
      "{",       "}", "\\",          "'",   "u", "-",    "9",   "99999999999", "bin",   "uc", "*",
      "fonttbl", "f", "fcharset238", "par", " ", "\xE4", "\\'", "\\u",         "\\bin", "a"};
  std::mt19937 random(12);
  for (int round = 0; round < 3000; ++round) {
    std::string rtf = "{\\rtf1";
    const size_t length = random() % 60;
    for (size_t i = 0; i < length; ++i) rtf += pieces[random() % std::size(pieces)];
    EXPECT_TRUE(rtfToText(rtf).has_value()) << rtf;
  }
}

}  // namespace
}  // namespace brimlet
