// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

// The workshop log as shown: newest line first, each with the fixed clock.
std::string logOf(const std::vector<std::string>& newestFirst) {
  std::string text;
  for (const std::string& message : newestFirst) text += "08:09:10: " + message + "\r\n";
  return text;
}

struct OperationCase {
  std::string handler;
  std::string input;
  std::string expected;
  std::vector<std::string> log;  // newest first, UTF-8
};

class WorkshopOperation : public testing::ProgramTest,
                          public ::testing::WithParamInterface<OperationCase> {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
  }
};

TEST_P(WorkshopOperation, ChangesTheTextReportsAndCanBeUndone) {
  const OperationCase& c = GetParam();
  Workshop& w = program.workshop();
  w.working().replace(c.input);
  w.working().replaceUndoCopy("older");
  ASSERT_TRUE(w.invoke(c.handler));
  EXPECT_EQ(w.working().text(), c.expected);
  std::vector<std::string> log;
  for (const std::string& line : c.log) log.push_back(cp(line));
  EXPECT_EQ(w.clog.text(), logOf(log));
  EXPECT_FALSE(w.PRBC.visible());
  EXPECT_TRUE(w.STBC.text().starts_with("Daten: " + std::to_string(c.expected.size()) + " Bytes"))
      << w.STBC.text();
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), c.input);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkshopOperation,
    ::testing::Values(
        OperationCase{"qvl_unx_Click",
                      "a\nb\r\n",
                      "a\r\nb\r\n",
                      {"1 unix zeilenenden ersetzt (2)", "...unix zeilenenden ersetzen..."}},
        OperationCase{"qvl_unx_Click",
                      "a\r\n",
                      "a\r\n",
                      {"keine unix zeilenenden vorhanden", "...unix zeilenenden ersetzen..."}},
        OperationCase{"qvl_dos_Click",
                      "x\ry\r\n",
                      "x\ry\n",
                      {"speichern als Windows-1252, LF", "1 dos zeilenenden ersetzt",
                       "...dos zeilenenden ersetzen..."}},
        OperationCase{"qvl_nlb_Click",
                      "a\0b"s,
                      "a\0\r\nb"s,
                      {"1 nullzeichen mit zeilenenden versehen",
                       "...nullzeichen mit zeilenenden versehen..."}},
        OperationCase{"qvl_trz_Click",
                      "Trenn-\r\nzeichen\r\n",
                      "Trennzeichen\r\n",
                      {"1 trennzeichen entfernt", "...trennzeichen entfernen..."}},
        OperationCase{"qvl_trim_Click",
                      "  a  \r\nb",
                      "a\r\nb\r\n",
                      {"1 zeilen mit leerzeichen getrimmt",
                       "...leerzeichen am Zeilenanfang und -ende entfernen..."}},
        OperationCase{"qvl_ltr_Click",
                      "a \r\n",
                      "a \r\n",
                      {"keine zeilen mit leerzeichen vorhanden",
                       "...leerzeichen am Zeilenanfang entfernen..."}},
        OperationCase{
            "qvl_rtr_Click",
            " a \r\n",
            " a\r\n",
            {"1 zeilen mit leerzeichen getrimmt", "...leerzeichen am Zeilenende entfernen..."}},
        OperationCase{"qvl_mlz_Click",
                      "a   b  c",
                      "a b c",
                      {"3 Leerzeichen entfernt", "...mehrfache Leerzeichen entfernen..."}},
        OperationCase{"qvl_lcse_Click", "\xC4Rger", "\xE4rger", {"alles in kleinbuchstaben"}},
        OperationCase{"qvl_ucse_Click", "\xE4rger", "\xC4RGER", {"alles in grossbuchstaben"}},
        OperationCase{"qvl_1bs_Click",
                      "hallo welt-weit\r\nzweite zeile",
                      "hallo Welt-Weit\r\nZweite Zeile",
                      {"4 1. buchstabe groß"}},
        OperationCase{"qvl_lz_Click",
                      "a b ",
                      "ab",
                      {"2 leerzeichen entfernt", "...leerzeichen entfernen..."}},
        OperationCase{
            "qvl_null_Click", "\0a\0"s, "a", {"2 nullbytes entfernt", "...nullbytes entfernen..."}},
        OperationCase{
            "qvl_zf_Click",
            "a1",
            "a",
            {"keine 9 vorhanden", "...9 entfernen...", "keine 8 vorhanden", "...8 entfernen...",
             "keine 7 vorhanden", "...7 entfernen...", "keine 6 vorhanden", "...6 entfernen...",
             "keine 5 vorhanden", "...5 entfernen...", "keine 4 vorhanden", "...4 entfernen...",
             "keine 3 vorhanden", "...3 entfernen...", "keine 2 vorhanden", "...2 entfernen...",
             "1 1 entfernt",      "...1 entfernen...", "keine 0 vorhanden", "...0 entfernen..."}},
        OperationCase{"qvl_1313_Click",
                      "\r\n\r\na\r\n\r\n\r\nb\r\n\r\n",
                      "a\r\nb\r\n",
                      {"5 leerzeilen entfernt", "...leerzeilen entfernen..."}},
        OperationCase{"qvl_131313_Click",
                      "a\r\n\r\nb",
                      "a\r\n\r\nb",
                      {"keine von 2 leerzeilen 1 vorhanden", "...von 2 leerzeilen 1 entfernen..."}},
        OperationCase{"qvl_131313_Click",
                      "a\r\n\r\n\r\n\r\nb",
                      "a\r\n\r\nb",
                      {"2 von 2 leerzeilen 1 entfernt", "...von 2 leerzeilen 1 entfernen..."}},
        OperationCase{"qvl_srt_Click",
                      "b\r\na",
                      "a\r\nb\r\n",
                      {"2 Zeilen sortiert", "... Zeilen aufwärts sortieren..."}},
        OperationCase{"qvl_srt_Click", "b", "b\r\n", {"keine Zeilen zu sortieren"}}));

TEST_P(WorkshopOperation, WithoutDataChangesNeitherTextNorUndoCopy) {
  Workshop& w = program.workshop();
  w.working().replaceUndoCopy("the only copy");
  ASSERT_TRUE(w.invoke(GetParam().handler));
  EXPECT_EQ(w.working().text(), "");
  EXPECT_EQ(w.working().undoCopy(), "the only copy");
  EXPECT_TRUE(w.clog.text().starts_with("08:09:10: keine daten geladen\r\n")) << w.clog.text();
}

class WorkshopClassButtons : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
  }
};

TEST_F(WorkshopClassButtons, RemoveTheirClassAndLogEveryMember) {
  Workshop& w = program.workshop();
  w.working().replace("Otto");
  w.invoke("qvl_nke_Click");
  EXPECT_EQ(w.working().text(), "Oo");
  EXPECT_TRUE(w.clog.text().starts_with(logOf({cp("keine ß vorhanden"), cp("...ß entfernen...")})));
  EXPECT_NE(w.clog.text().find("2 t entfernt"), std::string::npos);
  EXPECT_EQ(std::count(w.clog.text().begin(), w.clog.text().end(), '\n'), 86);

  w.working().replace("Otto");
  w.invoke("qvl_nve_Click");
  EXPECT_EQ(w.working().text(), "tt");
}

TEST_F(WorkshopClassButtons, OneUndoRestoresTheTextFromBeforeTheWholeButton) {
  Workshop& w = program.workshop();
  w.working().replace("#a\x01\xA0z\\");
  w.invoke("qvl_sdz_Click");
  EXPECT_EQ(w.working().text(), "az");
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "#a\x01\xA0z\\");
}

TEST_F(WorkshopClassButtons, WithoutDataLogOneLinePerMember) {
  Workshop& w = program.workshop();
  w.working().replaceUndoCopy("kept");
  w.invoke("qvl_zf_Click");
  EXPECT_EQ(w.clog.text(), logOf(std::vector<std::string>(10, "keine daten geladen")));
  EXPECT_EQ(w.working().undoCopy(), "kept");
}

class WorkshopSort : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
  }
  Workshop& w = program.workshop();
};

TEST_F(WorkshopSort, ReadsColumnAndTheStoredOptions) {
  w.working().replace("7\r\nabc19\r\nxyz05\r\n");
  w.findControl("qvl_srt_x")->setText("-2");
  w.findControl("qvl_srt_b")->setValue(1);
  w.invoke("qvl_srt_b_Click");
  w.findControl("qvl_srt_d")->setValue(1);
  w.invoke("qvl_srt_d_Click");
  EXPECT_EQ(program.session().settings[Setting::SortierenBinaer], 1);
  w.invoke("qvl_srt_Click");
  EXPECT_EQ(w.working().text(), "abc19\r\nxyz05\r\n7\r\n");
  EXPECT_TRUE(w.clog.text().ends_with(cp("08:09:10: ... Zeilen abwärts sortieren...\r\n")));

  // The sort reads the stored option, not the check box.
  w.findControl("qvl_srt_d")->setValue(0);
  w.invoke("qvl_srt_Click");
  EXPECT_EQ(w.working().text(), "abc19\r\nxyz05\r\n7\r\n");
}

}  // namespace
}  // namespace brimlet
