// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "tool_case.h"

namespace brimlet {
namespace {

using testing::ToolCase;
using testing::WorkshopTool;

class WorkshopParagraphs : public WorkshopTool {};

TEST_P(WorkshopParagraphs, ChangesTheTextAndLogs) { check(); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkshopParagraphs,
    ::testing::Values(
        ToolCase{{"qvl_abs_Click"},
                 "Das ist\r\nein Satz.\r\nNoch einer\r\nhier.\r\n\r\nNeu\r\n",
                 "Das ist ein Satz.\r\nNoch einer hier.\r\n\r\nNeu\r\n",
                 {"absätze formatiert", "...absätze formatieren..."}},
        ToolCase{{"qvl_abf_x=15", "qvl_abs_Click"}, "a", "a", {"breite zu klein (<20)"}, false},
        ToolCase{{"qvl_abf_x=99999999999999999999", "qvl_abs_Click"},
                 "a",
                 "a",
                 {"breite zu klein (<20)"},
                 false},
        ToolCase{{"qvl_abf_x=4294967316", "qvl_abs_Click"},
                 "kurz",
                 "kurz\r\n",
                 {"absätze auf 4294967316 formatiert", "...absätze auf 4294967316 formatieren...",
                  "absätze formatiert", "...absätze formatieren..."}},
        ToolCase{{"qvl_abf_x=20", "qvl_abs_Click"},
                 "eins zwei drei vier fuenf.",
                 "eins zwei drei vier\r\nfuenf.\r\n",
                 {"absätze auf 20 formatiert", "...absätze auf 20 formatieren...",
                  "absätze formatiert", "...absätze formatieren..."}},
        ToolCase{{"qvl_2zz_lz=1", "qvl_2zz_Click"},
                 "a\r\nb\r\nc\r\nd\r\ne",
                 "a b\r\nc d\r\ne",
                 {"2 Zeilen zusammengefügt", "... Zeilen zusammenfügen..."}},
        ToolCase{{"qvl_2zz_lz=1", "qvl_2zz_MouseDown:2", "qvl_2zz_2h=1", "qvl_2zz_Click"},
                 "1\r\n2\r\n3\r\n4\r\n5\r\n6",
                 "1 3 5\r\n2 4 6\r\n",
                 {"2 Zeilen zusammengefügt", "... Zeilen zusammenfügen..."}},
        ToolCase{{"qvl_2zz_Click"}, "a", "a\r\n", {"keine Zeilen zusammenzufügen"}},
        ToolCase{{"qvl_2zz_lz=1", "qvl_2zz_2h=1", "qvl_2zz_Click"},
                 "a\r\n\r\nc\r\nd\r\n",
                 "a c\r\nd\r\n",
                 {"2 Zeilen zusammengefügt", "... Zeilen zusammenfügen..."}},
        ToolCase{{"qvl_uzl_Click"},
                 "a\r\nb\r\nc\r\nd\r\ne",
                 "b\r\nd\r\n",
                 {"3 ungerade Zeilen gelöscht", "... ungerade Zeilen löschen..."}},
        ToolCase{{"qvl_uzl_Click"}, "a\r\n", "a\r\n", {"nur 1 zeile vorhanden"}},
        // Ctrl+T first: the button is hidden until then.
        ToolCase{{"frm8_KeyDown:84:2", "qvl_abf_Click"},
                 "a\r\nb",
                 "a\r\nb",
                 {"keine seiten vorhanden", "...seiten trennen..."}}));

TEST_F(WorkshopParagraphs, RightClicksCycleTheGroupSizeFrom2To7) {
  Workshop& w = program.workshop();
  std::string captions;
  for (int click = 0; click < 6; ++click) {
    w.invoke("qvl_2zz_MouseDown", {"2"});
    captions += w.findControl("qvl_2zz")->text() + "|";
  }
  w.invoke("qvl_2zz_MouseDown", {"1"});
  EXPECT_EQ(captions,
            "3 Zeilen zusammen|4 Zeilen zusammen|5 Zeilen zusammen|6 Zeilen zusammen|"
            "7 Zeilen zusammen|2 Zeilen zusammen|");
  EXPECT_EQ(w.findControl("qvl_2zz")->text(), "2 Zeilen zusammen");
}

}  // namespace
}  // namespace brimlet
