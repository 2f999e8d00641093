// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "tool_case.h"

namespace brimlet {
namespace {

class WorkshopToolsWithoutData : public testing::ProgramTest,
                                 public ::testing::WithParamInterface<std::string> {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
    program.workshop().findControl("qvl_abf")->setVisible(true);  // Ctrl+T shows it
  }
};

TEST_P(WorkshopToolsWithoutData, ChangeNeitherTextNorUndoCopy) {
  Workshop& w = program.workshop();
  w.working().replaceUndoCopy("the only copy");
  w.findControl("qvl_erst_e1")->setText("a");
  w.findControl("qvl_erst_e2")->setText("b");
  ASSERT_TRUE(w.invoke(GetParam()));
  EXPECT_EQ(w.working().text(), "");
  EXPECT_EQ(w.working().undoCopy(), "the only copy");
  EXPECT_EQ(w.clog.text(), "08:09:10: keine daten geladen\r\n");
}

INSTANTIATE_TEST_SUITE_P(Handlers, WorkshopToolsWithoutData,
                         ::testing::Values("qvl_enf_Click", "qvl_etf_Click", "qvl_test_Click",
                                           "qvl_eaf_Click", "qvl_eaz_Click", "qvl_ers_Click",
                                           "qvl_enze_Click", "qvl_enzz_Click", "qvl_zfza_Click",
                                           "qvl_zfze_Click", "qvl_zlta_Click", "qvl_zcta_Click",
                                           "qvl_einf_Click", "qvl_zlnr_Click", "qvl_abs_Click",
                                           "qvl_2zz_Click", "qvl_uzl_Click", "qvl_abf_Click"));

class WorkshopToolOptions : public testing::ProgramTest {};

TEST_F(WorkshopToolOptions, SurviveTheSettingsFile) {
  const std::vector<std::string> options = {
      "qvl_entf_c",    "qvl_nuz",      "qvl_case",      "qvl_entf_h", "qvl_entf_w",   "qvl_entf_z",
      "qvl_entf_u",    "qvl_eaf0",     "qvl_erst_c",    "qvl_erst_d", "qvl_erst_w",   "qvl_erst_b",
      "qvl_enze_chr",  "qvl_enza",     "qvl_zlta_2",    "qvl_zcta_2", "qvl_einf_chr", "qvl_einf_a",
      "qvl_einf_olzl", "qvl_zlnr_olz", "qvl_zlnr_olzl", "qvl_2zz_lz"};
  program.start();
  program.showTool(Tool::Workshop);
  Workshop& w = program.workshop();
  std::vector<int64_t> flipped;
  for (const std::string& option : options) {
    Control& box = *w.findControl(option);
    box.setValue(1 - box.value());
    flipped.push_back(box.value());
    w.invoke(option + "_Click");
  }
  platform.addAnswer("menu", "7");
  w.invoke("frm8_MouseDown", {"2"});

  Program again(platform, home.path());
  again.start();
  for (size_t i = 0; i < options.size(); ++i) {
    EXPECT_EQ(again.workshop().findControl(options[i])->value(), flipped[i]) << options[i];
  }
}

}  // namespace
}  // namespace brimlet
