// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/dj_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/file_io.h"
#include "core/lines.h"
#include "support/samples.h"

namespace brimlet {
namespace {

std::string song(const std::string& inside) {
  return " <Song FilePath=\"C:\\m\\a.mp3\" FileSize=\"3670016\">\r\n" + inside + " </Song>\r\n";
}

std::string table(const std::string& xml, DjTableOptions options = {}) {
  NoProgress progress;
  return djTable(xml, options, progress);
}

TEST(CountDjSongs, NeedsAnEndAfterEachStart) {
  EXPECT_EQ(countDjSongs("<x>\r\n"), 0);
  EXPECT_EQ(countDjSongs("<Song FilePath=\"a\">"), 0);
  EXPECT_EQ(countDjSongs("</Song><Song FilePath=\"a\">"), 0);
  EXPECT_EQ(countDjSongs(song("") + song("") + "<Song FilePath=\"b\">"), 2);
}

struct DjCase {
  std::string name;
  std::string xml;
  DjTableOptions options;
  std::string expected;
};

class DjTable : public ::testing::TestWithParam<DjCase> {};

TEST_P(DjTable, BuildsHeaderAndRows) {
  EXPECT_EQ(table(GetParam().xml, GetParam().options), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DjTable,
    ::testing::Values(
        DjCase{"ColumnsOfBothSongs",
               song("  <Tags Bpm=\"120\" />\r\n") + song("  <Tags Genre=\"Pop\" />\r\n"),
               {},
               "FilePath;FileSize;Bpm;Genre;\r\n"
               "C:\\m\\a.mp3;3670016;120;;\r\n"
               "C:\\m\\a.mp3;3670016;;Pop;\r\n"},
        DjCase{"KindsInColumnOrderNamesSorted",
               song("  <Scan Key=\"Am\" />\r\n  <Infos b=\"2\" a=\"1\" />\r\n  <Tags Title=\"T\" "
                    "/>\r\n"),
               {},
               "FilePath;FileSize;Title;a;b;Key;\r\nC:\\m\\a.mp3;3670016;T;1;2;Am;\r\n"},
        // Without Tags nothing after them is read.
        // clang-format off
        DjCase{"MissingKindStopsTheSong",
               song("  <Tags X=\"1\" />\r\n  <Infos Y=\"2\" />\r\n") + song("  <Infos Y=\"3\" />\r\n"),
               {},
               "FilePath;FileSize;X;Y;\r\nC:\\m\\a.mp3;3670016;1;2;\r\nC:\\m\\a.mp3;3670016;;;\r\n"},
        DjCase{"EntitiesUtf8AndSemicolons",
               song("  <Tags Title=\"R&amp;amp;B; &quot;S\xC3\xA4ge&quot; &apos;x&apos; \xC3\xA9\xC3\x9C\xE2\x80\x93\xE2\x98\x85\" />\r\n"),
               {},
               "FilePath;FileSize;Title;\r\nC:\\m\\a.mp3;3670016;R&B, 'S\xE4ge' 'x' \xE9\xDC-?\x85;\r\n"},
        DjCase{"MegabytesAndMinutes",
               song("  <Tags Flag=\"1\" />\r\n  <Infos SongLength=\"245.9\" songlength=\"245\" />\r\n") +
                   " <Song FilePath=\"b\" FileSize=\"5242880\"><Tags Flag=\"2\" /></Song>\r\n" +
                   " <Song FilePath=\"c\"><Tags Flag=\"3\" /></Song>\r\n",
               {.sizeInMegabytes = true, .lengthInMinutes = true},
               "FilePath;FileSize;Flag;SongLength;songlength;\r\n"
               "C:\\m\\a.mp3;3.5 MB;1;4:5 Min;245;\r\nb;5 MB;2;;;\r\nc;;3;;;\r\n"},
        DjCase{"RoundsToHundredths",
               " <Song FilePath=\"a\" FileSize=\"32133244\"></Song>\r\n"
               " <Song FilePath=\"b\" FileSize=\"1058013\"></Song>\r\n",
               {.sizeInMegabytes = true},
               "FilePath;FileSize;\r\na;30.64 MB;\r\nb;1.01 MB;\r\n"},
        DjCase{"EmptyAndUnquotedValues",
               " <Song FilePath=\"\" FileSize=\"7\"><Tags A=\"\" B=\"x\"C=\"y\" /></Song>\r\n",
               {},
               "FilePath;FileSize;A;B;C;\r\n;7;;x;y;\r\n"},
        DjCase{"LfFileKeepsOneLinePerSong",
               "<VirtualDJ_Database>\n <Song FilePath=\"a\" FileSize=\"1\">\n  <Tags Bpm=\"9\" />\n </Song>\n",
               {},
               "FilePath;FileSize;Bpm;\r\na;1;9;\r\n"}),
    [](const ::testing::TestParamInfo<DjCase>& param) { return param.param.name; });
// clang-format on

TEST(DjTable, KeepsThirtyColumnsPerKindInTextOrder) {
  std::string tags = "  <Tags";
  for (char c = 'A'; c <= 'Z'; ++c) tags += std::string(" ") + c + "=\"v\"";
  std::string more = "  <Tags";
  for (const char* name : {"a0", "a1", "a2", "a3", "a4", "zz"})
    more += std::string(" ") + name + "=\"w\"";
  const std::string out = table(song(tags + " />\r\n") + song(more + " />\r\n"));
  const std::string header = out.substr(0, out.find("\r\n"));
  // 26 letters and a0 to a4 make 31; in text order a0..a4 come before B,
  // so Z falls out, and zz never gets in.
  EXPECT_EQ(header,
            "FilePath;FileSize;A;a0;a1;a2;a3;a4;B;C;D;E;F;G;H;I;J;K;L;M;N;O;P;Q;R;S;T;U;V;W;X;Y;");
}

// A whole database in the shape DJ software writes it, with the line ends
// given: a declaration and a root element, songs with and without size and
// Scan, comments and cue points, a song end followed by blanks, entities,
// and file names in scripts Windows-1252 has no letters for.
std::string writtenDatabase(const std::string& eol) {
  const std::string lines[] = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                               "<Database Version=\"8.5\">",
                               " <Song FilePath=\"C:\\Users\\u\\Musik\\Bambol\xC3\xA9o (Vocals "
                               "Only).mp3\" FileSize=\"4800607\">",
                               "  <Tags Author=\"Sharma, &quot;Khushi&quot; Murali\" Title=\"Kevvu "
                               "&amp; Keka\" Flag=\"1\" />",
                               "  <Infos SongLength=\"245.9\" FirstSeen=\"1711472112\" />",
                               "  <Comment>Nur &apos;Intro&apos;</Comment>",
                               "  <Scan Version=\"801\" Bpm=\"0.5\" Key=\"Am\" />",
                               "  <Poi Pos=\"3.39\" Type=\"beatgrid\" />",
                               " </Song>      ",
                               " <Song FilePath=\"E:\\Music\\N\xE1\xBB\xAF Nhi Qu\xE1\xBB\x91"
                               "c.mp3\" Flag=\"16\">",
                               "  <Tags Flag=\"2\" />",
                               "  <Infos FirstSeen=\"1711472113\" />",
                               " </Song>",
                               " <Song FilePath=\"E:/Garage/se\xC3\xB1"
                               "al \xE6\x9D\xB1.wav\" FileSize=\"32133244\">",
                               "  <Tags Title=\"Se\xC3\xB1"
                               "al\" />",
                               "  <Poi Pos=\"176.40\" Type=\"automix\" Point=\"realEnd\" />",
                               " </Song>",
                               "</Database>"};
  std::string xml;
  for (const auto& line : lines) xml += line + eol;
  return xml;
}

class WrittenDatabase : public ::testing::TestWithParam<const char*> {};

TEST_P(WrittenDatabase, GivesOneRowPerSongWithTheBytesOfItsNames) {
  const std::string xml = writtenDatabase(GetParam());
  EXPECT_EQ(countDjSongs(xml), 3);
  EXPECT_EQ(table(xml),
            "FilePath;FileSize;Author;Flag;Title;FirstSeen;SongLength;Bpm;Key;Version;\r\n"
            "C:\\Users\\u\\Musik\\Bambol\xE9o (Vocals Only).mp3;4800607;"
            "Sharma, 'Khushi' Murali;1;Kevvu & Keka;1711472112;245.9;0.5;Am;801;\r\n"
            "E:\\Music\\N\xE1\xBB\xAF Nhi Qu\xE1\xBB\x91"
            "c.mp3;;;2;;1711472113;;;;;\r\n"
            "E:/Garage/se\xC3\xB1"
            "al \xE6\x9D\xB1.wav;32133244;;;Se\xC3\xB1"
            "al;;;;;;\r\n");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, WrittenDatabase, ::testing::Values("\r\n", "\n"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           return std::string(param.param[0] == '\r' ? "CrLf" : "Lf");
                         });

TEST(DjTable, RealDatabasesGiveOneHeaderAndOneRowPerSong) {
  BRIMLET_SKIP_WITHOUT_SAMPLES("virtualdj");
  const std::filesystem::path folder = testing::sampleFolder("virtualdj");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    const std::string xml = readWholeFile(entry.path().string()).bytes;
    const int64_t songs = countDjSongs(xml);
    ASSERT_GT(songs, 0);
    const std::string out = table(xml);
    ASSERT_TRUE(out.ends_with("\r\n"));
    EXPECT_EQ(countCr(out), static_cast<size_t>(songs) + 1);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), songs + 1);
    // Every row has as many fields as the header.
    LineWalker rows(out);
    const auto header = *rows.next();
    const auto columns = std::count(header.begin(), header.end(), ';');
    while (const auto row = rows.next())
      EXPECT_EQ(std::count(row->begin(), row->end(), ';'), columns);
    ++files;
  }
  EXPECT_EQ(files, 4);
}

TEST(DjTable, RealPathsKeepTheirBytesButTheGermanAndSpanishLetters) {
  BRIMLET_SKIP_WITHOUT_SAMPLES("virtualdj");
  const std::filesystem::path folder = testing::sampleFolder("virtualdj");
  const std::string vietnamese =
      table(readWholeFile((folder / "tiennehihi-2023-database.xml").string()).bytes);
  EXPECT_NE(vietnamese.find("\r\nE:\\Music\\Track\\N\xE1\xBB\xAF Nhi Qu\xE1\xBB\x91"
                            "c - TVT.mp3;;"),
            std::string::npos);
  const std::string spanish =
      table(readWholeFile((folder / "summerell-8.5-database.xml").string()).bytes);
  EXPECT_NE(spanish.find("Gipsy Kings - Bambol\xE9o (Acapella"), std::string::npos);
  const std::string quoted =
      table(readWholeFile((folder / "masanisaibhargav-8.4-database.xml").string()).bytes);
  EXPECT_NE(quoted.find(";Mamta Sharma, 'Khushi' Murali;"), std::string::npos);
}

}  // namespace
}  // namespace brimlet
