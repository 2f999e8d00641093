// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's replacing, line-edge removals and reversals.
#include <cstdlib>

#include "core/cp1252.h"
#include "core/number.h"
#include "workshop/line_edges.h"
#include "workshop/replacing.h"
#include "workshop/reversal.h"
#include "workshop/typed_input.h"
#include "workshop/workshop.h"

namespace brimlet {

void Workshop::declareReplacements() {
  addControl("qvl_erst_e1", ControlKind::TextBox, "", kChainsFrame);
  addControl("qvl_erst_e2", ControlKind::TextBox, "", kChainsFrame);
  addButton("qvl_ers", "Erset&zen", kChainsFrame, &Workshop::qvl_ers_Click);
  addOption("qvl_erst_c", "von als Codes", kChainsFrame);
  addOption("qvl_erst_d", "nach als Codes", kChainsFrame);
  addOption("qvl_erst_w", "von mit Wildcard", kChainsFrame);
  addOption("qvl_erst_b", "Wildcard behalten", kChainsFrame);

  constexpr std::string_view kEdges = "Zeilenränder";
  addButton("qvl_enze", "Zeichen am Rand", kEdges, &Workshop::qvl_enze_Click);
  addControl("qvl_enze_e", ControlKind::TextBox, "", kEdges);
  addOption("qvl_enze_chr", "als Code", kEdges);
  addOption("qvl_enza", "am Zeilenanfang", kEdges);
  addButton("qvl_enzz", "Anzahl Zeichen", kEdges, &Workshop::qvl_enzz_Click);
  addControl("qvl_enzz_z", ControlKind::TextBox, "", kEdges);
  addButton("qvl_zfza", "Ziffern am Anfang", kEdges, &Workshop::qvl_zfza_Click);
  addButton("qvl_zfze", "Ziffern am Ende", kEdges, &Workshop::qvl_zfze_Click);

  constexpr std::string_view kSwap = "Tauschen";
  addButton("qvl_zlta", "Zeilen tauschen", kSwap, &Workshop::qvl_zlta_Click);
  addOption("qvl_zlta_2", "2 Zeilen", kSwap);
  addButton("qvl_zcta", "Zeichen tauschen", kSwap, &Workshop::qvl_zcta_Click);
  addOption("qvl_zcta_2", "2 Zeichen", kSwap);
}

void Workshop::qvl_ers_Click() {
  if (noDataCheck()) return;
  const bool findCodes = optionOn(Setting::CharVonErsetzen);
  const bool replacementCodes = optionOn(Setting::CharNachErsetzen);
  const std::optional<std::string> find = decodeTypedChain(fieldText("qvl_erst_e1"), findCodes);
  const std::optional<std::string> replacement =
      decodeTypedChain(fieldText("qvl_erst_e2"), replacementCodes);
  if (!find || !replacement || find->empty() || replacement->empty()) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  std::string description = *find + " durch " + *replacement;
  // Typed codes never hold a wildcard, whatever its box says.
  if (findCodes || replacementCodes || !optionOn(Setting::WildcardVonErsetzen)) {
    runOperation({description + " ersetzen", description, " ersetzt"},
                 [&](std::string_view text, Progress& progress) {
                   return replaceChain(text, *find, *replacement, progress);
                 });
    return;
  }
  const std::optional<Wildcard> wildcard = splitWildcard(*find);
  if (!wildcard) {
    log("keine wildcard angegeben", LogMode::Line);
    return;
  }
  description += " mit wildcard";
  std::optional<Wildcard> keep;
  if (optionOn(Setting::BehaltenVonWildcard)) {
    keep = splitWildcard(*replacement);
    if (keep) {
      description += "s";
    } else {
      // Nothing to keep the middle in: the option goes off for good.
      session_.settings[Setting::BehaltenVonWildcard] = 0;
      findControl("qvl_erst_b")->setValue(0);
    }
  }
  if (!beginOperation(description + " ersetzen", LogForm::Progress)) return;
  WildcardReplacement result =
      replaceWildcard(working_.source(), *wildcard, *replacement, keep, progress_);
  for (const std::string& kept : result.kept) log(kept, LogMode::Line);
  working_.setResult(std::move(result.edit.text));
  reportResult(LogForm::Progress, result.edit.count, description, " ersetzt");
}

void Workshop::qvl_enze_Click() {
  if (noDataCheck()) return;
  const std::optional<std::string> entry =
      typedEntry(fieldText("qvl_enze_e"), optionOn(Setting::CharVonEinerZeileEntfernen));
  if (!entry) {
    log("kein zeichen angegeben", LogMode::Line);
    return;
  }
  const bool start = optionOn(Setting::ZeilenanfangEntfernen);
  const std::string noun = "zeichen " + *entry + " am zeilen" + (start ? "anfang" : "ende");
  runOperation({noun + " entfernen", noun, " entfernt"}, [&](std::string_view text,
                                                             Progress& progress) {
    return removeEntryAtLineEdges(text, *entry, start ? LineEdge::Start : LineEdge::End, progress);
  });
}

void Workshop::qvl_enzz_Click() {
  if (noDataCheck()) return;
  // A count beyond 64 bits is refused like no count at all.
  const int64_t count = std::llabs(integerValue64(fieldText("qvl_enzz_z")).value_or(0));
  if (count == 0) {
    log("keine anzahl angegeben", LogMode::Line);
    return;
  }
  const bool start = optionOn(Setting::ZeilenanfangEntfernen);
  const std::string noun = decimal(count) + " zeichen am zeilen" + (start ? "anfang" : "ende");
  runOperation({" " + noun + " entfernen", noun, " entfernt"}, [&](std::string_view text,
                                                                   Progress& progress) {
    return cutLineEdges(text, count, start ? LineEdge::Start : LineEdge::End, progress);
  });
}

namespace {

Workshop::Work edgeDigits(LineEdge edge) {
  return [edge](std::string_view text, Progress& progress) {
    return removeEdgeDigits(text, edge, progress);
  };
}

}  // namespace

void Workshop::qvl_zfza_Click() {
  runOperation({"ziffern am zeilenanfang entfernen", "ziffern am zeilenanfang", " entfernt"},
               edgeDigits(LineEdge::Start));
}

void Workshop::qvl_zfze_Click() {
  runOperation({"ziffern am zeilenende entfernen", "ziffern am zeilenende", " entfernt"},
               edgeDigits(LineEdge::End));
}

void Workshop::qvl_zlta_Click() {
  const size_t lines = beginLineOperation("keine Zeilen zu tauschen");
  if (lines == 0) return;
  const bool pairs = optionOn(Setting::ZweiZeilenTauschen);
  const std::string group = pairs ? "2 Zeilen" : "1 Zeilen";
  log("..." + group + " tauschen...", LogMode::ShowProgress);
  working_.setResult(reverseLines(working_.source(), pairs, progress_));
  reportResult(LogForm::Progress, static_cast<int64_t>(pairs ? lines / 2 : lines), group,
               " getauscht");
}

void Workshop::qvl_zcta_Click() {
  const bool pairs = optionOn(Setting::ZweiZeichenTauschen);
  const std::string group = pairs ? "2 Zeichen" : "1 Zeichen";
  runOperation({group + " tauschen", "Zeilen mit " + group, " getauscht"},
               [pairs](std::string_view text, Progress& progress) {
                 return reverseLineBytes(text, pairs, progress);
               });
}

}  // namespace brimlet
