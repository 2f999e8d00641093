// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>

#include "tool_case.h"

namespace brimlet {
namespace {

using namespace std::string_literals;
using testing::ToolCase;
using testing::WorkshopTool;

class WorkshopRemoval : public WorkshopTool {};

TEST_P(WorkshopRemoval, ChangesTheTextAndLogs) { check(); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    OneCharacter, WorkshopRemoval,
    ::testing::Values(
        ToolCase{{"qvl_case=0", "qvl_entf_e=a", "qvl_enf_Click"}, "Anna", "nn",
                 {"2 a entfernt", "...a entfernen..."}},
        ToolCase{{"qvl_entf_e=a", "qvl_enf_Click"}, "Anna", "Ann",
                 {"1 a entfernt", "...a entfernen..."}},
        ToolCase{{"qvl_entf_c=1", "qvl_entf_e=13", "qvl_enf_Click"}, "a\r\nb", "a\nb",
                 {"1 \r entfernt", "...\r entfernen..."}},
        ToolCase{{"qvl_entf_c=1", "qvl_enf_Click"}, "a\0b"s, "ab",
                 {"1 \0 entfernt"s, "...\0 entfernen..."s}},
        ToolCase{{"qvl_case=0", "qvl_nuz=1", "qvl_entf_e=Ä", "qvl_enf_Click"}, "\xE4\xC4x",
                 "\xE4\xC4x", {"2 Ä gezählt", "...Ä zählen..."}, false},
        ToolCase{{"qvl_enf_Click"}, "a", "a", {"kein zeichen angegeben"}, false},
        ToolCase{{"qvl_entf_c=1", "qvl_entf_e=300", "qvl_enf_Click"}, "a", "a",
                 {"kein zeichen angegeben"}, false}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Chains, WorkshopRemoval,
    ::testing::Values(
        ToolCase{{"qvl_erst_e1=ab", "qvl_etf_Click"}, "xabab", "x",
                 {"2 kette ab entfernt", "...kette ab entfernen..."}},
        ToolCase{{"qvl_erst_e1=xyz", "qvl_etf_Click"}, "ab", "ab",
                 {"keine kette xyz vorhanden", "...kette xyz entfernen..."}},
        ToolCase{{"qvl_erst_e1=::13::::10::", "qvl_etf_Click"}, "a\r\nb\r\n", "ab",
                 {"2 kette \r\n entfernt", "...kette \r\n entfernen..."}},
        ToolCase{{"qvl_entf_h=1", "qvl_erst_e1=13-10", "qvl_etf_Click"}, "a\r\nb\r\n", "a\nb\n",
                 {"2 kette \r entfernt", "...kette \r entfernen..."}},
        ToolCase{{"qvl_entf_h=1", "qvl_erst_e1=13-999-", "qvl_etf_Click"}, "a", "a",
                 {"kein zeichen angegeben"}, false},
        ToolCase{{"qvl_erst_e1=::0::", "qvl_etf_Click"}, "a\0"s, "a",
                 {"1 kette \0 entfernt"s, "...kette \0 entfernen..."s}},
        ToolCase{{"qvl_etf_Click"}, "a", "a", {"kein zeichen angegeben"}, false},
        ToolCase{{"qvl_entf_w=1", "qvl_erst_e1=<<<>>>]", "qvl_etf_Click"}, "a", "a",
                 {"keine wildcard angegeben"}, false},
        ToolCase{{"qvl_entf_w=1", "qvl_erst_e1=[<<<>>>]", "qvl_etf_Click"}, "a[1]b[]c[22]", "ab",
                 {"2 kette [<<<>>>] mit wildcard entfernt",
                  "...kette [<<<>>>] mit wildcard entfernen..."}},
        // The wildcard needs typed text; with codes the marker is literal.
        ToolCase{{"qvl_entf_w=1", "qvl_entf_h=1", "qvl_erst_e1=91-", "qvl_etf_Click"}, "[a[",
                 "a", {"2 kette [ entfernt", "...kette [ entfernen..."}},
        ToolCase{{"qvl_entf_z=1", "qvl_entf_u=1", "qvl_erst_e1=Preis:", "qvl_etf_Click"},
                 "A Preis: 3\r\nB Preis: 4\r\nC", "A B C",
                 {"2 restzeile Preis: mit zeilenumbruch entfernt",
                  "...restzeile Preis: mit zeilenumbruch entfernen..."}},
        ToolCase{{"qvl_entf_z=1", "qvl_erst_e1=Preis", "qvl_etf_Click"}, "A Preis 3\r\nB",
                 "A \r\nB", {"1 restzeile Preis entfernt", "...restzeile Preis entfernen..."}},
        ToolCase{{"qvl_test_Click"}, "x\r\nAudit\r\nSddl\r\n\r\n", "x\r\n\r\n",
                 {"1 kette  entfernt", "...kette  entfernen..."}},
        ToolCase{{"qvl_test_Click"}, "Audit", "Audit",
                 {"keine kette  vorhanden", "...kette  entfernen..."}}));
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    SequencesAndLineRests, WorkshopRemoval,
    ::testing::Values(ToolCase{{"qvl_entf_a=1", "qvl_eaf_Click"},
                               "1 a\r\nx2 b\r\n3 c\r\n3 d\r\n",
                               " a\r\nx b\r\n c\r\n3 d\r\n",
                               {"3 bis 1 (exkl.) aufsteigend entfernt", "4", "3", "2", "1", "1",
                                "...von 1 aufsteigend entfernen..."}},
                      ToolCase{{"qvl_eaf0=1", "qvl_entf_a=#08", "qvl_eaf_Click"},
                               "#08\r\n#09\r\n#10",
                               "\r\n\r\n",
                               {"3 bis #08 (exkl.) aufsteigend entfernt", "10", "09", "08", "2",
                                "...von #08 aufsteigend entfernen..."}},
                      ToolCase{{"qvl_eaf_Click"}, "1", "1", {"kein zeichen angegeben"}, false},
                      ToolCase{{"qvl_entf_a=2147483648", "qvl_eaf_Click"},
                               "2147483648\r\n",
                               "\r\n",
                               {"1 bis 2147483648 (exkl.) aufsteigend entfernt", "2147483649",
                                "2147483648", "10", "...von 2147483648 aufsteigend entfernen..."}},
                      ToolCase{{"qvl_entf_a=99999999999999999999", "qvl_eaf_Click"},
                               "1",
                               "1",
                               {"kein zeichen angegeben"},
                               false},
                      ToolCase{{"qvl_eaz_z==", "qvl_eaz_Click"},
                               "a=1\r\n=2\r\nb",
                               "a\r\nb\r\n",
                               {"2 Zeile ab =  entfernt", "... zeile ab =  entfernen..."}},
                      ToolCase{{"qvl_eanz=1", "qvl_eaz_z==", "qvl_eaz_Click"},
                               "a=1\r\n=2\r\nb",
                               "a=\r\n=\r\nb\r\n",
                               {"2 Zeile ab = +1 entfernt", "... zeile ab = +1 entfernen..."}},
                      ToolCase{{"qvl_eaz_Click"}, "a", "a", {"kein zeichen angegeben"}, false}));

TEST_F(WorkshopRemoval, CodeTableListsCodes32To255NewestOnTop) {
  Workshop& w = program.workshop();
  w.invoke("qvl_chr_Click");
  const std::string& log = w.clog.text();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 224);
  EXPECT_TRUE(log.starts_with("08:09:10: 255   \xFF\r\n08:09:10: 254   \xFE\r\n"));
  EXPECT_TRUE(log.ends_with("08:09:10: 32    \r\n"));
  EXPECT_NE(log.find("08:09:10: 65   A\r\n"), std::string::npos);
}

}  // namespace
}  // namespace brimlet
