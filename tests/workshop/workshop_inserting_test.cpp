// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "tool_case.h"

namespace brimlet {
namespace {

using testing::ToolCase;
using testing::WorkshopTool;

class WorkshopInserting : public WorkshopTool {};

TEST_P(WorkshopInserting, ChangesTheTextAndLogs) { check(); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkshopInserting,
    ::testing::Values(
        ToolCase{{"qvl_einf_a=1", "qvl_einf_olzl=1", "qvl_einf_e=-", "qvl_einf_Click"},
                 "a\r\n\r\nb",
                 "-a\r\n\r\n-b\r\n",
                 {"2 - am zeilenanfang eingefügt", "...- am zeilenanfang einfügen..."}},
        ToolCase{{"qvl_einf_chr=1", "qvl_einf_e=9", "qvl_einf_Click"},
                 "a\r\nb",
                 "a\t\r\nb\t\r\n",
                 {"2 \t am zeilenende eingefügt", "...\t am zeilenende einfügen..."}},
        ToolCase{{"qvl_einf_Click"}, "a", "a", {"kein zeichen angegeben"}, false},
        ToolCase{{"qvl_einf_chr=1", "qvl_einf_e=-1", "qvl_einf_Click"},
                 "a",
                 "a",
                 {"kein zeichen angegeben"},
                 false},
        ToolCase{{"qvl_zlnr_Click"},
                 "a\r\nb",
                 "1 a\r\n2 b\r\n",
                 {"2 Zeilennummerierung eingefügt", "... Zeilennummerierung einfügen..."}},
        ToolCase{{"qvl_zlnr_e=0000", "qvl_zlnr_olz=1", "qvl_zlnr_Click"},
                 "a\r\n",
                 "0001a\r\n",
                 {"1 Zeilennummerierung eingefügt", "... Zeilennummerierung einfügen..."}},
        ToolCase{{"qvl_zlnr_ze=1", "qvl_zlnr_Click"},
                 "\r\n",
                 "\r\n",
                 {"keine  vorhanden", "... Zeilennummerierung einfügen..."}}));

}  // namespace
}  // namespace brimlet
