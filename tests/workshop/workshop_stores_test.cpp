// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's conversions as their buttons run them, and the park
// buffers, private clipboard buffers and replace presets.
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "core/cp1252.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

constexpr int kLeft = 1;
constexpr int kRight = 2;

class WorkshopStores : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
  }

  // The workshop log, oldest line first, without the clock.
  std::vector<std::string> log() const {
    std::vector<std::string> lines;
    const std::string& text = w.clog.text();
    for (size_t at = 0; at < text.size();) {
      const size_t end = text.find("\r\n", at);
      lines.insert(lines.begin(), text.substr(at + 10, end - at - 10));
      at = end + 2;
    }
    return lines;
  }

  void choose(const std::string& list, int position) {
    w.findControl(list)->setValue(position);
    w.invoke(list + "_Click");
  }

  Workshop& w = program.workshop();
};

TEST_F(WorkshopStores, BinaryFilterSaysWhenItOnlyBrokeLines) {
  w.working().replace("x y z");
  w.findControl("qvl_af_cb")->setValue(4);
  w.invoke("qvl_asfil_Click");
  EXPECT_EQ(w.working().text(), "x \r\ny \r\nz");
  EXPECT_EQ(log(), (std::vector<std::string>{cp("... text aus binärdateien filtern ..."),
                                             "keine vorhanden, aber zeilen umgebrochen"}));
  EXPECT_FALSE(w.PRBC.visible());

  w.working().replace("a+b");
  w.findControl("qvl_af_cb")->setValue(0);
  w.invoke("qvl_asfil_Click");
  EXPECT_EQ(w.working().text(), "ab");
  EXPECT_EQ(log().back(), cp("1 störzeichen text aus binärdateien gefiltert"));
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "a+b");
}

TEST_F(WorkshopStores, TagRemovalNamesItsDelimiters) {
  w.working().replace("ab<i>cd</i>ef\r\n");
  w.invoke("qvl_html_etf_Click");
  EXPECT_EQ(w.working().text(), "abcdef\r\n");
  EXPECT_EQ(log(),
            (std::vector<std::string>{"... html-tags entfernen ...", "2 ... html-tags entfernt"}));

  w.clog.setText({});
  w.working().replace("a > b\r\n");
  w.invoke("qvl_html_etf_Click");
  EXPECT_EQ(w.working().text(), "a > b\r\n");
  EXPECT_EQ(w.working().undoCopy(), "a > b\r\n");
  EXPECT_EQ(log(),
            (std::vector<std::string>{"... html-tags entfernen ...", "... keine html-tags ..."}));
  EXPECT_FALSE(w.PRBC.visible());

  w.clog.setText({});
  w.findControl("qvl_html_ext")->setValue(1);
  // A recipe ticks the box through its handler, as every option has one.
  ASSERT_TRUE(w.invoke("qvl_html_ext_Click"));
  w.findControl("qvl_erst_e1")->setText("[");
  w.invoke("qvl_html_etf_Click");
  EXPECT_EQ(log(), (std::vector<std::string>{"keine zeichen angegeben"}));
  w.findControl("qvl_erst_e2")->setText("]");
  w.working().replace("a[1]b\r\n");
  w.invoke("qvl_html_etf_Click");
  EXPECT_EQ(w.working().text(), "ab\r\n");
  EXPECT_EQ(log().back(), "1 ... [...] entfernt");
}

TEST_F(WorkshopStores, WordIndexReadsItsOptionsFromTheSettings) {
  w.working().replace("Der Hund, der Hund.");
  w.findControl("qvl_idx_ev")->setValue(1);
  w.invoke("qvl_idx_ev_Click");
  w.invoke("qvl_idx_Click");
  // Sorted and counted by default; ties of the text order go to the capital.
  EXPECT_EQ(w.working().text(), "Der\t\t\t1\t\t\t1\r\nder\t\t\t1\t\t\t1\r\nHund\t\t\t2\t\t\t1\r\n");
  EXPECT_EQ(log(),
            (std::vector<std::string>{"... Index erstellen...", cp("3 Wörter im Index erstellt")}));
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "Der Hund, der Hund.");
}

TEST_F(WorkshopStores, DjConversionWithoutSongsOnlyEndsTheText) {
  w.working().replace("<Song FilePath=\"a\">");
  w.invoke("qvl_vdj_Click");
  EXPECT_EQ(w.working().text(), "<Song FilePath=\"a\">\r\n");
  EXPECT_EQ(w.working().undoCopy(), "<Song FilePath=\"a\">");
  EXPECT_EQ(w.clog.text(), "");

  w.working().replace("<Song FilePath=\"a\" FileSize=\"1048576\"><Tags Bpm=\"90\" /></Song>");
  w.findControl("qvl_vdj_fs")->setValue(1);
  w.invoke("qvl_vdj_fs_Click");
  w.invoke("qvl_vdj_Click");
  EXPECT_EQ(w.working().text(), "FilePath;FileSize;Bpm;\r\na;1 MB;90;\r\n");
  EXPECT_EQ(log(), (std::vector<std::string>{"... xml konvertieren...",
                                             "1 Songs aus xml in Tabelle formatiert"}));
}

TEST_F(WorkshopStores, ParkRestoreAndUndo) {
  w.working().replace("geparkt");
  choose("qvl_parkb1", 0);
  EXPECT_EQ(w.findControl("qvl_parkb1")->items(),
            (std::vector<std::string>{"Parken1", "Restore1", "Anzeigen1", cp("Löschen1")}));
  w.working().replace("danach");
  choose("qvl_parkb1", 1);
  EXPECT_EQ(w.working().text(), "geparkt");
  w.invoke("qvl_undo_Click");
  EXPECT_EQ(w.working().text(), "danach");
  // Load, paste and the memory clear keep the buffer.
  w.invoke("qvl_memdel_Click");
  choose("qvl_parkb1", 1);
  EXPECT_EQ(w.working().text(), "geparkt");
  EXPECT_EQ(log(), (std::vector<std::string>{"Daten in Zwischenspeicher 1 kopiert",
                                             "Daten aus Zwischenspeicher 1 wiederhergestellt",
                                             "undo", cp("Speicher gelöscht"),
                                             "Daten aus Zwischenspeicher 1 wiederhergestellt"}));
}

TEST_F(WorkshopStores, DeletingShrinksTheListAndRestoringNothingEmptiesTheText) {
  w.working().replace("zwei");
  choose("qvl_parkb2", 0);
  choose("qvl_parkb2", 0);
  EXPECT_EQ(w.findControl("qvl_parkb2")->items().size(), 4U);
  choose("qvl_parkb2", 3);
  EXPECT_EQ(w.findControl("qvl_parkb2")->items(), std::vector<std::string>{"Parken2"});
  EXPECT_EQ(w.findControl("qvl_parkb2")->value(), 0);
  EXPECT_EQ(log().back(), cp("Daten aus Zwischenspeicher 2 gelöscht"));
  EXPECT_EQ(w.findControl("qvl_parkb1")->items(), std::vector<std::string>{"Parken1"});

  choose("qvl_parkb2", 0);
  EXPECT_EQ(w.findControl("qvl_parkb2")->items().size(), 4U);
  choose("qvl_parkb2", 3);
  w.findControl("qvl_parkb2")->setItems({"Parken2", "Restore2"});
  choose("qvl_parkb2", 1);
  EXPECT_EQ(w.working().text(), "");
  EXPECT_EQ(w.working().undoCopy(), "zwei");
}

TEST_F(WorkshopStores, ParkingNothingParksNothing) {
  choose("qvl_parkb1", 0);
  EXPECT_EQ(log(), std::vector<std::string>{"keine daten geladen"});
  EXPECT_EQ(w.findControl("qvl_parkb1")->items().size(), 1U);
  // Before the first parking there is nothing to restore.
  w.working().replace("bleibt");
  choose("qvl_parkb1", 1);
  EXPECT_EQ(w.working().text(), "bleibt");
}

TEST_F(WorkshopStores, ShowingAParkBufferOffersNoApply) {
  w.working().replace("sichtbar");
  choose("qvl_parkb2", 0);
  w.working().replace("anders");
  choose("qvl_parkb2", 2);
  DisplayWindow& display = program.display();
  EXPECT_EQ(display.fieldText(), "sichtbar");
  EXPECT_EQ(display.window().text(), "Quorvel Anzeige Parken 2");
  EXPECT_FALSE(display.show_ubn.visible());
  EXPECT_EQ(w.working().text(), "anders");
}

TEST_F(WorkshopStores, PcbBuffersKeepTheWholeBlock) {
  platform.clipboard = "a\0b\0rest"s;
  w.invoke("pcb_MouseDown", {"2", std::to_string(kLeft)});
  platform.clipboard = "anderes"s;
  w.invoke("pcb_MouseDown", {"6", std::to_string(kLeft)});
  EXPECT_EQ(platform.clipboard, "a\0b\0rest\0"s);
  w.invoke("pcb_MouseDown", {"2", std::to_string(kRight)});
  w.invoke("pcb_MouseDown", {"3", std::to_string(kRight)});
  w.invoke("pcb_MouseDown", {"7", std::to_string(kRight)});
  // The log shows the text up to its NUL, as a message box would.
  EXPECT_EQ(log(), (std::vector<std::string>{cp("daten aus dem clipboard eingefügt"),
                                             "daten aus pcb 2 ins clipboard kopiert", "a",
                                             "Kein Inhalt in pcb3"}));
}

TEST_F(WorkshopStores, AFailedFetchKeepsTheBuffer) {
  platform.clipboard = "alt"s;
  w.invoke("pcb_MouseDown", {"1", std::to_string(kLeft)});
  platform.clipboard.reset();
  w.invoke("pcb_MouseDown", {"1", std::to_string(kLeft)});
  EXPECT_EQ(log().back(), "keine textdaten im clipboard");
  w.invoke("pcb_MouseDown", {"5", std::to_string(kLeft)});
  EXPECT_EQ(platform.clipboard, "alt\0"s);
}

struct PresetCase {
  int index;
  int button;
  int shift;
  std::string fieldBefore;
  std::string presetBefore;
  std::string fieldAfter;
  std::string presetAfter;
};

class ReplacePreset : public WorkshopStores, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(ReplacePreset, FillsOrTakesTheField) {
  const PresetCase& c = GetParam();
  const int preset = (c.index - 1) % 3;
  const std::string field = c.index <= 3 ? "qvl_erst_e1" : "qvl_erst_e2";
  std::string& stored =
      program.session().settings.remembered.replacePresets[static_cast<size_t>(preset)];
  stored = c.presetBefore;
  w.findControl(field)->setText(c.fieldBefore);
  w.invoke("perb_MouseDown",
           {std::to_string(c.index), std::to_string(c.button), std::to_string(c.shift)});
  EXPECT_EQ(w.findControl(field)->text(), c.fieldAfter);
  EXPECT_EQ(stored, c.presetAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplacePreset,
                         ::testing::Values(PresetCase{1, kLeft, 0, "feld", "vorlage", "vorlage",
                                                      "vorlage"},
                                           PresetCase{4, kLeft, 0, "feld", "", "feld", ""},
                                           PresetCase{5, kRight, 0, "", "alt", "", "alt"},
                                           PresetCase{5, kRight, 0, "neu", "alt", "neu", "neu"},
                                           PresetCase{3, kRight, 1, "neu", "alt", "neu", "neu"},
                                           PresetCase{6, kLeft, 3, "feld", "alt", "feld", ""},
                                           PresetCase{2, kRight, 3, "feld", "alt", "feld", ""},
                                           PresetCase{1, 4, 0, "feld", "alt", "feld", "alt"}));

// The settings file holds a preset on one line, so one with a line break
// would come back cut at the next start.
TEST_F(WorkshopStores, APresetWithALineBreakIsRefusedAndTheOldOneStays) {
  std::string& stored = program.session().settings.remembered.replacePresets[1];
  for (const std::string typed : {"a\r\nb", "a\rb"}) {
    w.clog.setText({});
    stored = "alt";
    w.findControl("qvl_erst_e2")->setText(typed);
    w.invoke("perb_MouseDown", {"5", std::to_string(kRight), "0"});
    EXPECT_EQ(stored, "alt");
    EXPECT_EQ(log(), (std::vector<std::string>{"vorgabe mit zeilenumbruch nicht gespeichert"}));
  }
}

TEST_F(WorkshopStores, PresetsGoToTheSettingsFile) {
  w.findControl("qvl_erst_e2")->setText(cp("ä;b"));
  w.invoke("perb_MouseDown", {"6", std::to_string(kRight), "0"});
  EXPECT_NE(settingsFileText(program.session().settings).find(cp("\r\n¥¥3¥¥ä;b¥¥3¥¥\r\n")),
            std::string::npos);
  w.findControl("qvl_erst_e1")->setText({});
  w.invoke("perb_MouseDown", {"3", std::to_string(kLeft), "0"});
  EXPECT_EQ(w.findControl("qvl_erst_e1")->text(), cp("ä;b"));
}

}  // namespace
}  // namespace brimlet
