// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "tool_case.h"

namespace brimlet {
namespace {

using testing::ToolCase;
using testing::WorkshopTool;

class WorkshopReplacing : public WorkshopTool {};

TEST_P(WorkshopReplacing, ChangesTheTextAndLogs) { check(); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Replace, WorkshopReplacing,
    ::testing::Values(
        ToolCase{{"qvl_erst_e1=a", "qvl_erst_e2=b", "qvl_ers_Click"}, "banana", "bbnbnb",
                 {"3 a durch b ersetzt", "...a durch b ersetzen..."}},
        ToolCase{{"qvl_erst_e1=x", "qvl_erst_e2=y", "qvl_ers_Click"}, "ab", "ab",
                 {"keine x durch y vorhanden", "...x durch y ersetzen..."}},
        ToolCase{{"qvl_erst_e1=::13::::10::", "qvl_erst_e2= ", "qvl_ers_Click"}, "a\r\nb\r\nc",
                 "a b c", {"2 \r\n durch   ersetzt", "...\r\n durch   ersetzen..."}},
        ToolCase{{"qvl_erst_c=1", "qvl_erst_e1=13-10-", "qvl_erst_e2= ", "qvl_ers_Click"},
                 "a\r\nb", "a b", {"1 \r\n durch   ersetzt", "...\r\n durch   ersetzen..."}},
        ToolCase{{"qvl_erst_e1=a", "qvl_ers_Click"}, "a", "a", {"kein zeichen angegeben"}, false},
        ToolCase{{"qvl_erst_d=1", "qvl_erst_e1=a", "qvl_erst_e2=256", "qvl_ers_Click"}, "a", "a",
                 {"kein zeichen angegeben"}, false},
        ToolCase{{"qvl_erst_w=1", "qvl_erst_e1=<b>", "qvl_erst_e2=x", "qvl_ers_Click"}, "a", "a",
                 {"keine wildcard angegeben"}, false},
        ToolCase{{"qvl_erst_w=1", "qvl_erst_b=1", "qvl_erst_e1=<b><<<>>></b>",
                  "qvl_erst_e2=[<<<>>>]", "qvl_ers_Click"},
                 "x<b>fett</b>y", "x[fett]y",
                 {"1 <b><<<>>></b> durch [<<<>>>] mit wildcards ersetzt", "[fett]",
                  "...<b><<<>>></b> durch [<<<>>>] mit wildcards ersetzen..."}},
        ToolCase{{"qvl_erst_w=1", "qvl_erst_e1=<b><<<>>></b>", "qvl_erst_e2=[<<<>>>]",
                  "qvl_ers_Click"},
                 "x<b>fett</b>y", "x[<<<>>>]y",
                 {"1 <b><<<>>></b> durch [<<<>>>] mit wildcard ersetzt",
                  "...<b><<<>>></b> durch [<<<>>>] mit wildcard ersetzen..."}},
        // With codes the wildcard box is passed over: the chain is literal.
        ToolCase{{"qvl_erst_w=1", "qvl_erst_d=1", "qvl_erst_e1=[<<<>>>]", "qvl_erst_e2=45",
                  "qvl_ers_Click"},
                 "[<<<>>>][1]", "-[1]", {"1 [<<<>>>] durch - ersetzt",
                                         "...[<<<>>>] durch - ersetzen..."}}));
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    LineEdges, WorkshopReplacing,
    ::testing::Values(
        ToolCase{
            {"qvl_enza=1", "qvl_enze_e=x", "qvl_enze_Click"},
            "xxa\r\nxxb",
            "a\r\nxb",
            {"3 zeichen x am zeilenanfang entfernt", "...zeichen x am zeilenanfang entfernen..."}},
        ToolCase{{"qvl_enze_chr=1", "qvl_enze_e=59", "qvl_enze_Click"},
                 "a;\r\nb;",
                 "a\r\nb;",
                 {"1 zeichen ; am zeilenende entfernt", "...zeichen ; am zeilenende entfernen..."}},
        ToolCase{{"qvl_enze_Click"}, "a", "a", {"kein zeichen angegeben"}, false},
        ToolCase{
            {"qvl_enzz_z=-2", "qvl_enzz_Click"},
            "abc\r\nde\r\nf",
            "a\r\n",
            {"3 2 zeichen am zeilenende entfernt", "... 2 zeichen am zeilenende entfernen..."}},
        ToolCase{{"qvl_enzz_z=x", "qvl_enzz_Click"}, "a", "a", {"keine anzahl angegeben"}, false},
        // Counts past 32 bits are read whole; past 64 bits they are refused.
        ToolCase{{"qvl_enzz_z=2147483648", "qvl_enzz_Click"},
                 "abc\r\n",
                 "",
                 {"1 2147483648 zeichen am zeilenende entfernt",
                  "... 2147483648 zeichen am zeilenende entfernen..."}},
        ToolCase{{"qvl_enzz_z=99999999999999999999", "qvl_enzz_Click"},
                 "a",
                 "a",
                 {"keine anzahl angegeben"},
                 false},
        // The digit buttons ignore the side option.
        ToolCase{{"qvl_enza=0", "qvl_zfza_Click"},
                 "12ab34\r\n99\r\nx",
                 "ab34\r\nx\r\n",
                 {"4 ziffern am zeilenanfang entfernt", "...ziffern am zeilenanfang entfernen..."}},
        ToolCase{
            {"qvl_zfze_Click"},
            "a\r\n",
            "a\r\n",
            {"keine ziffern am zeilenende vorhanden", "...ziffern am zeilenende entfernen..."}}));

INSTANTIATE_TEST_SUITE_P(
    Reversals, WorkshopReplacing,
    ::testing::Values(ToolCase{{"qvl_zlta_Click"},
                               "a\r\nb\r\nc",
                               "c\r\nb\r\na\r\n",
                               {"3 1 Zeilen getauscht", "...1 Zeilen tauschen..."}},
                      ToolCase{{"qvl_zlta_2=1", "qvl_zlta_Click"},
                               "a\r\nb\r\nc\r\nd\r\ne\r\n",
                               "c\r\nd\r\na\r\nb\r\ne\r\n",
                               {"2 2 Zeilen getauscht", "...2 Zeilen tauschen..."}},
                      ToolCase{{"qvl_zlta_Click"}, "a", "a\r\n", {"keine Zeilen zu tauschen"}},
                      ToolCase{{"qvl_zcta_2=1", "qvl_zcta_Click"},
                               "abcdef\r\nab",
                               "efcdab\r\nab\r\n",
                               {"2 Zeilen mit 2 Zeichen getauscht", "...2 Zeichen tauschen..."}}));

TEST_F(WorkshopReplacing, AKeepPatternWithoutMarkerSwitchesKeepingOffForGood) {
  Workshop& w = program.workshop();
  w.working().replace("<b>x</b>");
  runSteps({"qvl_erst_w=1", "qvl_erst_b=1", "qvl_erst_e1=<b><<<>>></b>", "qvl_erst_e2=*",
            "qvl_ers_Click"});
  EXPECT_EQ(w.working().text(), "*");
  EXPECT_EQ(w.findControl("qvl_erst_b")->value(), 0);
  EXPECT_EQ(program.session().settings[Setting::BehaltenVonWildcard], 0);
  EXPECT_EQ(program.session().settings[Setting::WildcardVonErsetzen], 1);
}

}  // namespace
}  // namespace brimlet
