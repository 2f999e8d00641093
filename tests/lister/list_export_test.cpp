// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/list_export.h"

#include <gtest/gtest.h>

namespace brimlet {
namespace {

struct CsvCase {
  const char* list;
  char separator;
  bool fileNameLast;
  const char* table;
};

class CsvTable : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvTable, RowsHaveOneColumnPerFolderLevel) {
  const CsvCase& c = GetParam();
  EXPECT_EQ(csvTable(c.list, c.separator, c.fileNameLast), c.table);
}

// The deepest line below has three separators.
constexpr const char* kDeep3 = "C:\\a\\b.txt\r\nC:\\x\\y\\z.txt\r\n***\r\n";

INSTANTIATE_TEST_SUITE_P(
    Examples, CsvTable,
    ::testing::Values(CsvCase{kDeep3, ';', true, "C:;a;;b.txt\r\nC:;x;y;z.txt\r\n;;;\r\n"},
                      CsvCase{kDeep3, ';', false, "C:;a;b.txt;\r\nC:;x;y;z.txt\r\n;;;\r\n"},
                      CsvCase{kDeep3, ',', false, "C:,a,b.txt,\r\nC:,x,y,z.txt\r\n,,,\r\n"},
                      // A line without a separator keeps its text in the first column.
                      CsvCase{"C:\\a\\b\r\nnackt\r\n", ';', true, "C:;a;b\r\nnackt;;\r\n"},
                      // Cell breakers become "_", each one of a pair too.
                      CsvCase{"C:\\Rock, Pop.mp3\r\nD:\\a,,b;'c\".x\r\n", ',', false,
                              "C:,Rock_ Pop.mp3\r\nD:,a__b__c_.x\r\n"},
                      CsvCase{"C:\\a,b\\c;d.mp3\r\n", ';', true, "C:;a_b;c_d.mp3\r\n"},
                      // Local paths split at "/" as Windows paths at "\".
                      CsvCase{"/home/a.txt\r\n/b.txt\r\n", ';', true, ";home;a.txt\r\n;;b.txt\r\n"},
                      // No line with a separator: one row per line, not an empty file.
                      CsvCase{"a.mp3\r\nb.mp3\r\n***\r\n", ';', false, "a.mp3\r\nb.mp3\r\n\r\n"},
                      CsvCase{"kein zeilenende", ';', false, ""}));

}  // namespace
}  // namespace brimlet
