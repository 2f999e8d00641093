// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's removals: one character, typed chains, records, rising
// number sequences and line rests.
#include "core/cp1252.h"
#include "core/log.h"
#include "core/number.h"
#include "workshop/chain_removal.h"
#include "workshop/typed_input.h"
#include "workshop/workshop.h"

namespace brimlet {

void Workshop::declareRemovals() {
  addButton("qvl_etf", "Kette entfernen", kChainsFrame, &Workshop::qvl_etf_Click);
  addOption("qvl_entf_h", "Kette als Codes", kChainsFrame);
  addOption("qvl_entf_w", "Kette mit Wildcard", kChainsFrame);
  addOption("qvl_entf_z", "Rest der Zeile", kChainsFrame);
  addOption("qvl_entf_u", "mit Zeilenumbruch", kChainsFrame);

  constexpr std::string_view kRemove = "Entfernen";
  addButton("qvl_enf", "Zeichen entfernen", kRemove, &Workshop::qvl_enf_Click);
  addControl("qvl_entf_e", ControlKind::TextBox, "", kRemove);
  addOption("qvl_entf_c", "als Code", kRemove);
  addOption("qvl_nuz", "nur zählen", kRemove);
  addOption("qvl_case", "Groß/klein beachten", kRemove);
  addButton("qvl_eaf", "Aufsteigende Zahlen", kRemove, &Workshop::qvl_eaf_Click);
  addControl("qvl_entf_a", ControlKind::TextBox, "", kRemove);
  addOption("qvl_eaf0", "Führende Nullen", kRemove);
  addButton("qvl_eaz", "Zeile ab Text", kRemove, &Workshop::qvl_eaz_Click);
  addControl("qvl_eaz_z", ControlKind::TextBox, "", kRemove);
  addOption("qvl_eanz", "+1", kRemove);
  addButton("qvl_test", "Audit-Einträge", kRemove, &Workshop::qvl_test_Click);
  addButton("qvl_chr", "Zeichentabelle", kRemove, &Workshop::qvl_chr_Click);
}

void Workshop::qvl_chr_Click() {
  for (int code = 32; code < 256; ++code) {
    log(decimal(code) + "   " + static_cast<char>(code), LogMode::Line);
  }
}

void Workshop::qvl_enf_Click() {
  if (noDataCheck()) return;
  const std::optional<std::string> entry =
      typedEntry(fieldText("qvl_entf_e"), optionOn(Setting::CharVonEinsEntfernen));
  if (!entry) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  const char byte = entry->front();
  const std::string character(1, byte);
  const std::array<bool, 256> selection = byteSelection(byte, optionOn(Setting::CaseSensitive));
  if (optionOn(Setting::NurZaehlen)) {
    log("..." + character + cp(" zählen..."), LogMode::Line);
    int64_t count = 0;
    for (const char b : working_.text()) count += selection[static_cast<unsigned char>(b)] ? 1 : 0;
    reportResult(LogForm::Plain, count, character, cp(" gezählt"));
    return;
  }
  runOperation({character + " entfernen", character, " entfernt"},
               [&](std::string_view text, Progress& progress) {
                 std::string kept = withoutBytes(text, selection, progress);
                 const auto removed = static_cast<int64_t>(text.size() - kept.size());
                 return TextEdit{std::move(kept), removed};
               });
}

void Workshop::qvl_etf_Click() {
  if (noDataCheck()) return;
  const bool codes = optionOn(Setting::CharVonKetteEntfernen);
  const std::optional<std::string> chain = decodeTypedChain(fieldText("qvl_erst_e1"), codes);
  if (!chain || chain->empty()) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  if (!codes && optionOn(Setting::WildcardVonKetteEntfernen)) {
    const std::optional<Wildcard> wildcard = splitWildcard(*chain);
    if (!wildcard) {
      log("keine wildcard angegeben", LogMode::Line);
      return;
    }
    const std::string description = "kette " + *chain + " mit wildcard";
    runOperation({description + " entfernen", description, " entfernt"},
                 [&](std::string_view text, Progress& progress) {
                   return removeWildcard(text, *wildcard, progress);
                 });
    return;
  }
  ChainRemoval how;
  how.toLineEnd = optionOn(Setting::GanzeZeile);
  how.withLineBreak = how.toLineEnd && optionOn(Setting::InclZeilenumbruch);
  const std::string description =
      how.toLineEnd ? "restzeile " + *chain + (how.withLineBreak ? " mit zeilenumbruch" : "")
                    : "kette " + *chain;
  runOperation({description + " entfernen", description, " entfernt"},
               [&](std::string_view text, Progress& progress) {
                 return removeChain(text, *chain, how, progress);
               });
}

void Workshop::qvl_test_Click() {
  runOperation({"kette  entfernen", "kette ", " entfernt"}, removeRecords);
}

void Workshop::qvl_eaf_Click() {
  if (noDataCheck()) return;
  const std::string typed = fieldText("qvl_entf_a");
  if (typed.empty()) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  const std::optional<NumberSequence> sequence =
      parseNumberSequence(typed, optionOn(Setting::FuehrendeNullen));
  if (!sequence) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  if (!beginOperation("von " + typed + " aufsteigend entfernen", LogForm::Progress)) return;
  log(decimal(static_cast<int64_t>(sequence->width)), LogMode::Line);
  SequenceRemoval removal = removeNumberSequence(working_.source(), *sequence, progress_);
  addLogLines(clog, session_.platform.now(), removal.searched,
              [&sequence](int64_t i) { return sequence->text(sequence->start + i); });
  working_.setResult(std::move(removal.edit.text));
  reportResult(LogForm::Progress, removal.edit.count, "bis " + typed,
               " (exkl.) aufsteigend entfernt");
}

void Workshop::qvl_eaz_Click() {
  if (noDataCheck()) return;
  const std::string at = fieldText("qvl_eaz_z");
  if (at.empty()) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  const bool keepFirst = ticked("qvl_eanz");
  const std::string description = at + " " + (keepFirst ? "+1" : "");
  runOperation({" zeile ab " + description + " entfernen", "Zeile ab " + description, " entfernt"},
               [&](std::string_view text, Progress& progress) {
                 return cutLinesAt(text, at, keepFirst, progress);
               });
}

}  // namespace brimlet
