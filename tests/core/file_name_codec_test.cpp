// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_name_codec.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "support/temp_folder.h"

namespace brimlet {
namespace {

using testing::TempFolder;

struct NameCase {
  const char* system;
  const char* program;
};

TEST(FileNameCodec, DecodesNamesFromTheFileSystem) {
  const NameCase cases[] = {
      // clang-format off
      {"plain.mp3", "plain.mp3"},
      {"\xC3\x9C" "bersicht.png", "\xDC" "bersicht.png"},
      {"\xE2\x82\xAC" "uro", "\x80" "uro"},                  // U+20AC has a 1252 byte
      {"snow\xE2\x98\x83" "man", "snow?man"},               // U+2603 has none
      {"emoji\xF0\x9F\x98\x80", "emoji?"},                  // four-byte form, one '?'
      {"latin1 \xFC" "ber", "latin1 \xFC" "ber"},           // not UTF-8: byte for byte
      {"\xC3\x9C" "ber \xFC", "\xC3\x9C" "ber \xFC"},       // one bad byte spoils the whole name
      {"overlong \xC0\xAF", "overlong \xC0\xAF"},
      {"surrogate \xED\xA0\x80", "surrogate \xED\xA0\x80"},
      {"cr\rname.mp3", "cr?name.mp3"},
      {"lf\nname\xFC", "lf?name\xFC"},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(decodeFileName(c.system), c.program) << c.system;
}

TEST(FileNameCodec, KnowsWhichNamesLostACharacter) {
  const struct {
    const char* system;
    bool withoutLoss;
  } cases[] = {
      // clang-format off
      {"plain.mp3", true},
      {"?.txt", true},                                 // a real '?' is no loss
      {"\xC3\x9C" "bersicht.png", true},
      {"\xE2\x82\xAC.txt", true},
      {"latin1 \xFC" "ber", true},                     // not UTF-8: taken byte for byte
      {"\xE6\x97\xA5.txt", false},
      {"emoji\xF0\x9F\x98\x80", false},
      {"\xC5\x81\xC3\xB3" "d\xC5\xBA", false},        // only the o has a byte of its own
      {"cr\rname", false},
      {"lf\nname\xFC", false},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(decodesWithoutLoss(c.system), c.withoutLoss) << c.system;
}

TEST(FileNameCodec, ASingleNameStaysInItsFolder) {
  for (const std::string_view name : {"a.txt", ".txt", "...", "?", " ", "\xE4.txt"}) {
    EXPECT_TRUE(isSingleName(name)) << name;
  }
  for (const std::string_view name :
       {std::string_view(), std::string_view("."), std::string_view(".."),
        std::string_view("../a.txt"), std::string_view("a/b"), std::string_view("a/"),
        std::string_view("notes\0zz.txt", 12), std::string_view("\0", 1)}) {
    EXPECT_FALSE(isSingleName(name)) << name;
  }
}

TEST(FileNameCodec, DecodesAPathPerComponent) {
  EXPECT_EQ(decodePath("/home/\xC3\xA4/raw\xFC/"), "/home/\xE4/raw\xFC/");
  EXPECT_EQ(decodePath(""), "");
}

TEST(FileNameCodec, EveryListedNameIsFoundAgain) {
  TempFolder folder;
  folder.write(
      "\xC3\x9C"
      "bersicht.txt",
      "utf8");
  folder.write("raw\xFC/inner\xFC.txt", "raw");
  for (const char* name : {"\xC3\x9C"
                           "bersicht.txt",
                           "raw\xFC/inner\xFC.txt"}) {
    const std::string listed = decodePath(folder.path()) + decodePath(name);
    EXPECT_EQ(encodePath(listed), folder.file(name));
  }
}

TEST(FileNameCodec, NewNamesAreCreatedInUtf8) {
  TempFolder folder;
  EXPECT_EQ(encodePath(decodePath(folder.path()) + "Gr\xF6\xDF"
                                                   "e.txt"),
            folder.file("Gr\xC3\xB6\xC3\x9F"
                        "e.txt"));
}

// The codec cannot tell "日" from a real "?": both show as "?", and the
// encoded form names the real one. Listed names therefore keep their bytes.
TEST(FileNameCodec, ANameThatLostACharacterFindsNoOtherFile) {
  TempFolder folder;
  folder.write(
      "snow\xE2\x98\x83"
      "man",
      "x");
  EXPECT_EQ(encodePath(decodePath(folder.path()) + "snow?man"), folder.file("snow?man"));
}

TEST(FileNameCodec, UndefinedCodesAndAllBytesRoundTripThroughUtf8) {
  for (int b = 0x20; b < 256; ++b) {
    if (b == '/') continue;
    const std::string name(1, static_cast<char>(b));
    EXPECT_EQ(decodeFileName(toUtf8(name)), name) << b;
  }
}

}  // namespace
}  // namespace brimlet
