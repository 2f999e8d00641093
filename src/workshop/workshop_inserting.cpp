// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's insertions and line numbering.
#include "core/cp1252.h"
#include "workshop/inserting.h"
#include "workshop/typed_input.h"
#include "workshop/workshop.h"

namespace brimlet {

void Workshop::declareInsertions() {
  constexpr std::string_view kInsert = "Einfügen";
  addButton("qvl_einf", "Text einfügen", kInsert, &Workshop::qvl_einf_Click);
  addControl("qvl_einf_e", ControlKind::TextBox, "", kInsert);
  addOption("qvl_einf_chr", "als Code", kInsert);
  addOption("qvl_einf_a", "am Zeilenanfang", kInsert);
  addOption("qvl_einf_olzl", "ohne Leerzeilen", kInsert);
  addButton("qvl_zlnr", "Zeilen nummerieren", kInsert, &Workshop::qvl_zlnr_Click);
  addControl("qvl_zlnr_e", ControlKind::TextBox, "", kInsert);
  addHandler("qvl_zlnr_e_Change", &Workshop::qvl_zlnr_e_Change);
  addOption("qvl_zlnr_olz", "Nummer ohne Leerzeichen", kInsert);
  addOption("qvl_zlnr_olzl", "Leerzeilen ohne Nummer", kInsert);
  addOption("qvl_zlnr_ze", "Nummer am Zeilenende", kInsert);
}

void Workshop::qvl_einf_Click() {
  if (noDataCheck()) return;
  const std::optional<std::string> entry =
      typedEntry(fieldText("qvl_einf_e"), optionOn(Setting::CharVonEinfuegen));
  if (!entry) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  const bool start = optionOn(Setting::ZeilenanfangEinfuegen);
  const bool skipEmpty = optionOn(Setting::EinfuegenOhneLeerzeilen);
  const std::string noun = *entry + " am zeilen" + (start ? "anfang" : "ende");
  runOperation({noun + cp(" einfügen"), noun, cp(" eingefügt")},
               [&](std::string_view text, Progress& progress) {
                 return insertAtLines(text, *entry, start ? LineEdge::Start : LineEdge::End,
                                      skipEmpty, progress);
               });
}

void Workshop::qvl_zlnr_e_Change() {
  numberingTemplate_ = readNumberingTemplate(fieldText("qvl_zlnr_e"));
}

void Workshop::qvl_zlnr_Click() {
  // brimlet-cli sets the field without a change event.
  qvl_zlnr_e_Change();
  Numbering numbering;
  numbering.from = numberingTemplate_;
  numbering.noBlank = optionOn(Setting::ZeilennrOhneLeerzeichen);
  numbering.skipEmpty = optionOn(Setting::ZeilennrOhneLeerzeilen);
  numbering.atEnd = ticked("qvl_zlnr_ze");
  runOperation({cp(" Zeilennummerierung einfügen"), "", cp("Zeilennummerierung eingefügt")},
               [&](std::string_view text, Progress& progress) {
                 return numberLines(text, numbering, progress);
               });
}

}  // namespace brimlet
