// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/rtf_reader.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <vector>

#include "support/samples.h"

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
  BRIMLET_SKIP_WITHOUT_SAMPLES("rtf");
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

TEST(RtfReader, TheRealLetterComesOutInWindows1252) {
  BRIMLET_SKIP_WITHOUT_SAMPLES("rtf");
  const auto text = rtfToText(testing::readSample("rtf/libreoffice-7.4-converted-brief-de.rtf"));
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->substr(0, 40), "Sehr geehrte Frau M\xFCller,\r\n\r\nvielen Dank");
  EXPECT_NE(text->find("Gr\xF6\xDF"
                       "e der \xDC"
                       "bersicht"),
            std::string::npos);
}

// Whole documents in the shapes that word processors, text editors and
// WordPad write, so that the reader meets their headers, style sheets, list
// labels and character sets even without the real samples.
struct RtfDocument {
  const char* name;
  std::string rtf;
  std::string text;
};

class WrittenRtfDocument : public ::testing::TestWithParam<RtfDocument> {};

TEST_P(WrittenRtfDocument, GivesItsTextInWindows1252) {
  EXPECT_EQ(rtfToText(GetParam().rtf), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, WrittenRtfDocument, ::testing::Values(
    // An office suite's export: tables and style names to skip, every
    // umlaut as \uN followed by its 8-bit fallback, text in {\loch ...}.
    RtfDocument{"OfficeLetter",
        "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}"
        "{\\f3\\froman\\fprq2\\fcharset0 Serif;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;}\n"
        "{\\stylesheet{\\s0\\snext0\\rtlch\\af6\\afs24 \\ltrch\\hich\\af3\\loch\\f3\\fs24 Normal;}\n"
        "{\\s20\\sbasedon0\\snext20\\loch\\f5\\fs20 Preformatted Text;}\n"
        "}{\\*\\generator Office/1.0}{\\info{\\creatim\\yr0\\mo0\\dy0\\hr0\\min0}}\n"
        "{\\*\\pgdsctbl\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906 Default Page Style;}}\n"
        "\\formshade\\paperh16838\\paperw11906\\sectd\\sbknone\n"
        "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s20\\rtlch\\af5\\afs20 \\ltrch\\hich\\af5\\loch\\f5{\\loch\n"
        "Liebe Frau K\\u246\\'f6nig,}\n"
        "\\par \\pard\\plain \\s20\\loch\n"
        "\\par \\pard\\plain \\s20{\\loch\n"
        "die Ma\\u223\\'dfe f\\u252\\'fcr \\u196\\'c4pfel und \\u214\\'d6l sind gepr\\u252\\'fcft.}\n"
        "\\par }",
        "Liebe Frau K\xF6nig,\r\n\r\ndie Ma\xDF" "e f\xFCr \xC4pfel und \xD6l sind gepr\xFC" "ft.\r\n"},
    // List labels are text of their own groups, numbers or a bullet, each
    // followed by a tab.
    RtfDocument{"WordList",
        "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2"
        "{\\*\\panose 02020603050405020304}Times New Roman;}{\\f39\\fbidi \\fswiss\\fcharset0 Arial;}"
        "{\\f3\\fbidi \\froman\\fcharset2\\fprq2 Symbol;}}\n"
        "{\\*\\latentstyles\\lsdstimax376{\\lsdlockedexcept \\lsdqformat1 Normal;}}\n"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}"
        "{\\levelnumbers\\'01;}}\\listid1}}\n"
        "\\pard\\plain\\ltrpar Eink\\'e4ufe:\\par\n"
        "{\\listtext\\pard\\plain\\ltrpar \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\lang1031\\loch\\f0 1.\\tab}Brot\\par\n"
        "{\\listtext\\pard\\plain\\ltrpar \\hich\\af0\\dbch\\af0\\loch\\f0 2.\\tab}K\\'e4se\\par\n"
        "{\\listtext\\pard\\plain\\ltrpar \\loch\\af39\\hich\\f39 \\'96\\tab}Gem\\'fcse\\par\n"
        "{\\pntext\\pard\\plain\\f0 \\'95\\tab}Obst\\par\n"
        "}",
        "Eink\xE4" "ufe:\r\n1.\tBrot\r\n2.\tK\xE4se\r\n\x96\tGem\xFCse\r\n\x95\tObst\r\n"},
    // A Mac text editor: a font table without inner groups, the body after
    // an empty line.
    RtfDocument{"MacTextEditor",
        "{\\rtf1\\ansi\\ansicpg1252\\cocoartf1038\\cocoasubrtf360\n"
        "{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;}\n"
        "{\\colortbl;\\red255\\green255\\blue255;}\n"
        "\\vieww12000\\viewh15840\\viewkind0\n\\deftab720\n"
        "\\pard\\pardeftab720\\sl276\\slmult1\\sa200\\ql\\qnatural\n\n"
        "\\f0\\fs22 \\cf0 \\'c4rger mit \\'d6l\\\n\\'fc" "ber alles}",
        "\xC4rger mit \xD6l\r\n\xFC" "ber alles"},
    // WordPad: the generator's destination, \uc1 and one paragraph.
    RtfDocument{"WordPad",
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\n"
        "{\\*\\generator Msftedit 5.41.21.2509;}\\viewkind4\\uc1\\pard\\sa200\\sl276\\slmult1\\lang9"
        "\\f0\\fs22\\'dc" "berweisung \\u8364?5\\par\n}",
        "\xDC" "berweisung \x80" "5\r\n"},
    // WordPad with a Central European font: its bytes are Windows-1250, so
    // the letters Windows-1252 lacks become "?", the shared ones stay, and
    // a thin space written as \uN has no Windows-1252 form either.
    RtfDocument{"WordPadCentralEuropean",
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset238 Calibri;}"
        "{\\f1\\fnil\\fcharset0 Calibri;}}\n"
        "{\\*\\generator Msftedit 5.41.21.2509;}\\viewkind4\\uc1\\pard\\lang1048\\f0\\fs22"
        "\\'c8\\'e1st \\'9a\\'e9\\'f8e 2.\\u8201?n.\\lang9\\f1\\par\n"
        "\\'c8\\'e9\\par\n}",
        "?\xE1st \x9A\xE9?e 2.?n.\r\n\xC8\xE9\r\n"}),
    [](const ::testing::TestParamInfo<RtfDocument>& param) { return std::string(param.param.name); });
// clang-format on

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
