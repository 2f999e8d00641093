// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_file_form.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cp1252.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

constexpr TextFileForm kUtf8Lf{FileEncoding::Utf8, FileLineEnds::Lf};
constexpr TextFileForm kUtf8CrLf{FileEncoding::Utf8, FileLineEnds::CrLf};
constexpr TextFileForm k1252Lf{FileEncoding::Windows1252, FileLineEnds::Lf};
constexpr TextFileForm kUtf8BomLf{FileEncoding::Utf8, FileLineEnds::Lf, true};

struct FileCase {
  std::string name;
  std::string file;
  std::string text;
  TextFileForm form;
  bool foreignKept = false;
};

// Each file must come in as the program's text and its form, and an
// unchanged text must go back out as the very same bytes.
class TextFileFormCases : public testing::TestWithParam<FileCase> {};

TEST_P(TextFileFormCases, ComesInAndGoesBackOutUnchanged) {
  const FileCase& c = GetParam();
  const TextFromFile in = textFromFile(c.file);
  EXPECT_EQ(in.text, c.text);
  EXPECT_EQ(formName(in.form), formName(c.form));
  EXPECT_EQ(in.form, c.form);
  EXPECT_EQ(in.foreignCharactersKept, c.foreignKept);
  EXPECT_EQ(textForFile(in.text, in.form), c.file);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, TextFileFormCases, testing::Values(
    FileCase{"FindOutput", "./a/b.mp3\n./\xC3\x84pfel.jpg\n", "./a/b.mp3\r\n./\xC4pfel.jpg\r\n", kUtf8Lf},
    FileCase{"Utf8CrLf", "gr\xC3\xBC\xC3\x9F\r\n", "gr\xFC\xDF\r\n", kUtf8CrLf},
    FileCase{"Windows1252CrLf", "gr\xFC\xDF\r\nx", "gr\xFC\xDF\r\nx", kWindowsForm},
    FileCase{"Windows1252Lf", "gr\xFC\xDF\nx\n", "gr\xFC\xDF\r\nx\r\n", k1252Lf},
    FileCase{"AsciiLf", "a\nb", "a\r\nb", kUtf8Lf},
    FileCase{"AsciiCrLf", "a\r\nb\r\n", "a\r\nb\r\n", kWindowsForm},
    FileCase{"AsciiWithoutLineEnd", "abc", "abc", kWindowsForm},
    FileCase{"Empty", "", "", kWindowsForm},
    FileCase{"MixedLineEndsStayAsTheyAre", "a\r\nb\nc\rd", "a\r\nb\nc\rd", kWindowsForm},
    FileCase{"LoneCrIsNoLf", "a\rb", "a\rb", kWindowsForm},
    FileCase{"EmojiKeptAsBytes", "a \xF0\x9F\x98\x80\nb\n", "a \xF0\x9F\x98\x80\r\nb\r\n", k1252Lf, true},
    FileCase{"JapaneseKeptAsBytes", "\xE6\x97\xA5\r\n", "\xE6\x97\xA5\r\n", kWindowsForm, true},
    FileCase{"BrokenUtf8IsWindows1252", "\xC3\x28\n", "\xC3\x28\r\n", k1252Lf},
    FileCase{"Binary", "\x00\xFF\x80\n\x00"s, "\x00\xFF\x80\r\n\x00"s, k1252Lf},
    FileCase{"EuroSignAndUndefinedCodes", "\xE2\x82\xAC\xC2\x81\n", "\x80\x81\r\n", kUtf8Lf},
    FileCase{"ByteOrderMark", "\xEF\xBB\xBF\xC3\xA4\n", "\xE4\r\n", kUtf8BomLf},
    FileCase{"ByteOrderMarkWithEmoji", "\xEF\xBB\xBF\xF0\x9F\x98\x80", "\xEF\xBB\xBF\xF0\x9F\x98\x80", kWindowsForm, true}),
    [](const testing::TestParamInfo<FileCase>& row) { return row.param.name; });
// clang-format on

TEST(TextForFile, WritesWhatOperationsPutInInTheFileForm) {
  // An operation may add any byte and leave a lone CR; UTF-8 holds them all.
  EXPECT_EQ(textForFile("\xE4\r\nx\ry\r\n\x9D", kUtf8Lf), "\xC3\xA4\nx\ry\n\xC2\x9D");
  EXPECT_EQ(textForFile("a\r\nb", k1252Lf), "a\nb");
  EXPECT_EQ(textForFile("a\r\n", kWindowsForm), "a\r\n");
}

TEST(Cp1252FromUtf8, EveryByteComesBackFromItsUtf8Form) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(cp1252FromUtf8(toUtf8(all)), all);
  EXPECT_EQ(cp1252FromUtf8("\xE2\x82"), std::nullopt);      // cut short
  EXPECT_EQ(cp1252FromUtf8("\xC0\xAF"), std::nullopt);      // overlong
  EXPECT_EQ(cp1252FromUtf8("\xED\xA0\x80"), std::nullopt);  // surrogate
  EXPECT_EQ(cp1252FromUtf8("\xC5\x81"), std::nullopt);      // no Windows-1252 byte
}

}  // namespace
}  // namespace brimlet
