// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/samples.h"

namespace brimlet {
namespace {

TEST(DirListing, RecognisedByNameEndAndLeadingBlank) {
  EXPECT_TRUE(isDirListing("/x/mydir.txt", " Volume"));
  EXPECT_FALSE(isDirListing("/x/mydir.TXT", " Volume"));
  EXPECT_FALSE(isDirListing("/x/mydir.txt", "Volume"));
}

TEST(DirListing, TwoFolderBlocksGiveSizeFolderAndName) {
  const std::string listing =
      " Datentr\xE4ger in Laufwerk C: ist Windows\r\n"
      "\r\n"
      " Verzeichnis von C:\\Musik\r\n"
      "\r\n"
      "17.04.2019  18:31    <DIR>          .\r\n"
      "17.04.2019  18:16                22 .gitignore\r\n"
      "17.04.2019  18:31         2.453.504 Lied 1.mp3\r\n"
      "               2 Datei(en),      2.453.526 Bytes\r\n"
      "\r\n"
      " Verzeichnis von C:\\Musik\\Alt\r\n"
      "17.04.2019  18:31    <DIR>          Unter\r\n"
      "06.12.2022  11:25            39\xA0"
      "348 cli.bin\r\n"
      "short line\r\n"
      "               2 Verzeichnis(se), 160.585.662.464 Bytes frei\r\n"
      "06.12.2022  11:25                 7 tail.txt";
  EXPECT_EQ(convertDirListing(listing),
            "22;C:\\Musik\\.gitignore\r\n"
            "2.453.504;C:\\Musik\\Lied 1.mp3\r\n"
            "39\xA0"
            "348;C:\\Musik\\Alt\\cli.bin\r\n"
            "7;C:\\Musik\\Alt\\tail.txt\r\n");
}

TEST(DirListing, RealGermanListingsConvert) {
  BRIMLET_SKIP_WITHOUT_SAMPLES("dir-listings");
  auto read = [](const char* name) {
    return testing::readSample(std::string("dir-listings/") + name);
  };
  EXPECT_EQ(convertDirListing(read("arsblue-iris-temp-s-dir.txt")),
            "0;C:\\InterSystems\\IRIS\\mgr\\Temp\\my_file.txt\r\n"
            "0;C:\\InterSystems\\IRIS\\mgr\\Temp\\my_dir1\\my_dir2\\my_file1.txt\r\n"
            "0;C:\\InterSystems\\IRIS\\mgr\\Temp\\my_dir1\\my_dir2\\my_file2.txt\r\n");
  EXPECT_EQ(convertDirListing(read("timeit-go-project-dir.txt")),
            "22;C:\\Users\\rene.schallner\\go\\src\\github.com\\renerocksai\\timeit\\.gitignore\r\n"
            "587;C:\\Users\\rene.schallner\\go\\src\\github.com\\renerocksai\\timeit\\main.go\r\n"
            "362;C:\\Users\\rene.schallner\\go\\src\\github.com\\renerocksai\\timeit\\README.md\r\n"
            "2.453.504;C:\\Users\\rene.schallner\\go\\src\\github.com\\renerocksai\\timeit\\"
            "timeit.exe\r\n");
  const std::string pico = convertDirListing(read("pico-embedded-cli-nbsp-dir.txt"));
  EXPECT_TRUE(
      pico.starts_with("39\xA0"
                       "348;C:\\dev\\rasp_pico\\pico-embedded\\build\\cli\\cli.bin\r\n"))
      << pico;
  EXPECT_EQ(std::count(pico.begin(), pico.end(), '\r'), 6);
}

TEST(FileNameListing, OnlyOutsideTxtFilesAndWithoutHeaderAndSummary) {
  EXPECT_TRUE(isFileNameListing("/a/list.csv", "File name;Size\r\n"));
  EXPECT_FALSE(isFileNameListing("/a/list.txt", "File name;Size\r\n"));
  EXPECT_FALSE(isFileNameListing("/a/list.csv", "file name;Size\r\n"));
  EXPECT_EQ(fileNameListingBody("File name\r\n----\r\na\r\nb\r\n3 files\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(fileNameListingBody("File name\r\n----\r\na\r\nb\r\n3 files"), "a\r\nb\r\n");
  EXPECT_EQ(fileNameListingBody("File name\r\n----\r\n3 files\r\n"), "");
  EXPECT_EQ(fileNameListingBody("File name"), "");
}

TEST(TrailingBlanks, RemovedPerLineAndCountedLeadingBlanksStay) {
  NoProgress progress;
  const BlankRemoval r = removeTrailingBlanks("  a  \r\n   \r\nb\r\nc \t \r\ntail  ", progress);
  EXPECT_EQ(r.text, "  a\r\n\r\nb\r\nc \t\r\ntail");
  EXPECT_EQ(r.removed, 2 + 3 + 1 + 2);
  EXPECT_EQ(removeTrailingBlanks("a\r\n", progress).removed, 0);
}

}  // namespace
}  // namespace brimlet
