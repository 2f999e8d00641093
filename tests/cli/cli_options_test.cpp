// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace brimlet {
namespace {

TEST(CliOptions, StepsSplitIntoHandlerArgumentsAndFieldSettings) {
  const CliParse p = parseCliOptions({"pcb_MouseDown:3:1", "qvl_srt_x=-2", "ed_e_Change:3",
                                      "show_find=a:b", "frm1_MessageProc:/tmp/ä.txt"});
  ASSERT_EQ(p.error, "");
  const auto& steps = p.options.steps;
  ASSERT_EQ(steps.size(), 5u);
  EXPECT_EQ(steps[0].handler, "pcb_MouseDown");
  EXPECT_EQ(steps[0].arguments, (std::vector<std::string>{"3", "1"}));
  ASSERT_TRUE(steps[1].field);
  EXPECT_EQ(steps[1].field->control, "qvl_srt_x");
  EXPECT_EQ(steps[1].field->value, "-2");
  EXPECT_EQ(steps[2].arguments, (std::vector<std::string>{"3"}));
  EXPECT_EQ(steps[3].field->value, "a:b");
  EXPECT_EQ(steps[4].arguments, (std::vector<std::string>{"/tmp/\xE4.txt"}));
}

TEST(CliOptions, ValuesAndTitlesAreConvertedToTheCodePage) {
  const CliParse p = parseCliOptions({"--answer", "Ordner zum Einlesen auswählen=/x", "--field",
                                      "qvl_e=ß", "--clock", "2026-01-02 03:04:05"});
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.options.answers[0].first, "Ordner zum Einlesen ausw\xE4hlen");
  EXPECT_EQ(p.options.fields[0].value, "\xDF");
  EXPECT_EQ(p.options.clock->hour, 3);
}

TEST(CliOptions, UsageErrors) {
  EXPECT_NE(parseCliOptions({"--home"}).error, "");
  EXPECT_NE(parseCliOptions({"--bogus", "1"}).error, "");
  EXPECT_NE(parseCliOptions({"--clock", "yesterday"}).error, "");
  EXPECT_NE(parseCliOptions({"--field", "novalue"}).error, "");
}

}  // namespace
}  // namespace brimlet
