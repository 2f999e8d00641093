// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's conversions: readable text out of binary data, the DJ
// database as a table, tag removal and the word index.
#include <algorithm>

#include "core/cp1252.h"
#include "workshop/binary_filter.h"
#include "workshop/crlf_lines.h"
#include "workshop/dj_table.h"
#include "workshop/tag_removal.h"
#include "workshop/word_index.h"
#include "workshop/workshop.h"

namespace brimlet {
namespace {

constexpr const char* kBreakModes[] = {"kein ZU", "ZU löschen", "X:\\", "80Zeichen", "Leerzeichen"};

}  // namespace

void Workshop::declareConversions() {
  addButton("qvl_asfil", "&Text aus Binärdaten", "Binärdaten", &Workshop::qvl_asfil_Click);
  Control& modes = addControl("qvl_af_cb", ControlKind::DropDown, "", "Binärdaten");
  std::vector<std::string> items;
  for (const char* mode : kBreakModes) items.push_back(cp(mode));
  modes.setItems(std::move(items));
  addOption("qvl_af_r", "rigide", "Binärdaten");

  addButton("qvl_vdj", "&XML > Tabelle", "DJ-Datenbank", &Workshop::qvl_vdj_Click);
  addOption("qvl_vdj_fs", "FileSize in MB", "DJ-Datenbank");
  addOption("qvl_vdj_sl", "SongLength in Min", "DJ-Datenbank");

  addButton("qvl_html_etf", "Tags entfer&nen", "Tags", &Workshop::qvl_html_etf_Click);
  addOption("qvl_html_ext", "Zeichen aus Ersetzen", "Tags");

  addButton("qvl_idx", "&Index erstellen", "Index", &Workshop::qvl_idx_Click);
  addOption("qvl_idx_sr", "sortiert", "Index");
  addOption("qvl_idx_gb", "nur Großbuchstaben", "Index");
  addOption("qvl_idx_oz", "ohne Zahlen", "Index");
  addOption("qvl_idx_bs", "ohne Bindestriche", "Index");
  addOption("qvl_idx_az", "mit Anzahl", "Index");
  addOption("qvl_idx_ev", "mit 1. Vorkommen", "Index");
}

void Workshop::qvl_asfil_Click() {
  if (!beginOperation(cp(" text aus binärdateien filtern "), LogForm::Progress)) return;
  const auto position = std::clamp<int64_t>(findControl("qvl_af_cb")->value(), 0, 4);
  BinaryFilterResult result =
      filterBinary(working_.source(), static_cast<BreakMode>(position),
                   session_.settings[Setting::TextAusBinaerRigide] == 1, progress_);
  working_.setResult(std::move(result.text));
  if (result.removed == 0 && result.breaks > 0) {
    log("keine vorhanden, aber zeilen umgebrochen", LogMode::HideProgress);
  } else {
    reportResult(LogForm::Progress, result.removed, cp("störzeichen"),
                 cp(" text aus binärdateien gefiltert"));
  }
}

void Workshop::qvl_vdj_Click() {
  if (noDataCheck()) return;
  working_.beginOperation();
  working_.keepSourceWithFinalLineEnd();
  const int64_t songs = countDjSongs(working_.text());
  if (songs == 0) {
    working_.refreshStatus();
    return;
  }
  log("... xml konvertieren...", LogMode::ShowProgress);
  DjTableOptions options;
  options.sizeInMegabytes = session_.settings[Setting::VdjFileSizeAlsMegabyte] == 1;
  options.lengthInMinutes = session_.settings[Setting::VdjSongLengthAlsMinuten] == 1;
  working_.setResult(djTable(working_.text(), options, progress_));
  reportResult(LogForm::Progress, songs, "Songs aus xml in Tabelle", " formatiert");
}

void Workshop::qvl_html_etf_Click() {
  if (noDataCheck()) return;
  std::string open = "<";
  std::string close = ">";
  std::string name = "html-tags";
  if (findControl("qvl_html_ext")->value() == 1) {
    open = findControl("qvl_erst_e1")->text();
    close = findControl("qvl_erst_e2")->text();
    if (open.empty() || close.empty()) {
      log("keine zeichen angegeben", LogMode::Line);
      return;
    }
    name = open + "..." + close;
  }
  if (!beginOperation(" " + name + " entfernen ", LogForm::Progress)) return;
  TagRemoval removal = removeTags(working_.source(), open, close, progress_);
  if (!removal.delimitersFound) {
    working_.setResult(working_.source());
    log("... keine " + name + " ...", LogMode::HideProgress);
    return;
  }
  working_.setResult(std::move(removal.text));
  reportResult(LogForm::Progress, removal.tags, "... " + name, " entfernt");
}

void Workshop::qvl_idx_Click() {
  if (!beginOperation(" Index erstellen", LogForm::Progress)) return;
  WordIndexOptions options;
  options.sorted = session_.settings[Setting::IndexSortiert] == 1;
  options.capitalsOnly = session_.settings[Setting::IndexNurGrossbuchstaben] == 1;
  options.digitsSeparate = session_.settings[Setting::IndexOhneZahlen] == 1;
  options.hyphensSeparate = session_.settings[Setting::IndexOhneBindestriche] == 1;
  options.withCount = session_.settings[Setting::IndexMitAnzahl] == 1;
  options.withFirstLine = session_.settings[Setting::IndexMitErstemVorkommen] == 1;
  // The index reads a last line without its line end as it would read it
  // with one, so the final line end needs no copy of the text.
  WordIndex index = buildWordIndex(working_.source(), options, progress_);
  working_.setResult(std::move(index.text));
  reportResult(LogForm::Progress, index.words, cp("Wörter im Index"), " erstellt");
}

}  // namespace brimlet
