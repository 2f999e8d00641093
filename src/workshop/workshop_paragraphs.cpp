// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's paragraph formatting, line joining, odd-line deletion and
// page splitting.
#include "core/cp1252.h"
#include "core/number.h"
#include "workshop/crlf_lines.h"
#include "workshop/paragraphs.h"
#include "workshop/workshop.h"

namespace brimlet {

void Workshop::declareParagraphs() {
  constexpr std::string_view kParagraphs = "Absätze";
  addButton("qvl_abs", "Abs&ätze formatieren", kParagraphs, &Workshop::qvl_abs_Click);
  addControl("qvl_abf_x", ControlKind::TextBox, "", kParagraphs);
  addButton("qvl_2zz", "2 Zeilen zusammen", kParagraphs, &Workshop::qvl_2zz_Click);
  addHandler("qvl_2zz_MouseDown", &Workshop::qvl_2zz_MouseDown);
  addOption("qvl_2zz_lz", "mit Leerzeichen", kParagraphs);
  addOption("qvl_2zz_2h", "Hälften paaren", kParagraphs);
  addButton("qvl_uzl", "Ungerade Zeilen löschen", kParagraphs, &Workshop::qvl_uzl_Click);
  // Ctrl+T reveals it.
  addButton("qvl_abf", "Seiten aufteilen", kParagraphs, &Workshop::qvl_abf_Click);
  findControl("qvl_abf")->setVisible(false);
}

size_t Workshop::beginLineOperation(std::string_view tooFew) {
  if (noDataCheck()) return 0;
  working_.beginOperation();
  const size_t lines = countLines(working_.source());
  if (lines < 2) {
    working_.keepSourceWithFinalLineEnd();
    log(tooFew, LogMode::Line);
    return 0;
  }
  return lines;
}

void Workshop::qvl_abs_Click() {
  if (noDataCheck()) return;
  const std::optional<int64_t> typed = integerValue64(fieldText("qvl_abf_x"));
  // A width beyond 64 bits is refused as the too small ones are, never read
  // as another width.
  if (!typed || (*typed > 1 && *typed < 20)) {
    log("breite zu klein (<20)", LogMode::Line);
    return;
  }
  const int64_t width = *typed;
  if (!beginOperation(cp("absätze formatieren"), LogForm::Progress)) return;
  // Both steps are one pass, so the formatted text is never held beside
  // the broken one; the log tells them apart as before.
  const size_t wrapWidth = width < 20 ? 0 : static_cast<size_t>(width);
  working_.setResult(formatParagraphs(working_.source(), width == 1, progress_, wrapWidth));
  log(cp("absätze formatiert"), LogMode::HideProgress);
  if (wrapWidth == 0) return;
  const std::string what = cp("absätze auf ") + decimal(width);
  log("..." + what + " formatieren...", LogMode::ShowProgress);
  log(what + " formatiert", LogMode::HideProgress);
}

void Workshop::qvl_2zz_Click() {
  const size_t lines = beginLineOperation(cp("keine Zeilen zusammenzufügen"));
  if (lines == 0) return;
  log(cp("... Zeilen zusammenfügen..."), LogMode::ShowProgress);
  const bool blank = optionOn(Setting::ZweiZeilenMitLeerzeichen);
  const std::string& source = working_.source();
  working_.setResult(ticked("qvl_2zz_2h") ? pairLines(source, joinGroupSize_, blank, progress_)
                                          : joinLines(source, joinGroupSize_, blank, progress_));
  reportResult(LogForm::Progress, static_cast<int64_t>(lines) / joinGroupSize_, "Zeilen",
               cp(" zusammengefügt"));
}

void Workshop::qvl_2zz_MouseDown(int button) {
  constexpr int kRightButton = 2;
  if (button != kRightButton) return;
  joinGroupSize_ = joinGroupSize_ == 7 ? 2 : joinGroupSize_ + 1;
  findControl("qvl_2zz")->setText(decimal(joinGroupSize_) + " Zeilen zusammen");
}

void Workshop::qvl_uzl_Click() {
  const size_t lines = beginLineOperation("nur 1 zeile vorhanden");
  if (lines == 0) return;
  log(cp("... ungerade Zeilen löschen..."), LogMode::ShowProgress);
  working_.setResult(deleteOddLines(working_.source(), progress_));
  reportResult(LogForm::Progress, static_cast<int64_t>(lines + 1) / 2, "ungerade Zeilen",
               cp(" gelöscht"));
}

void Workshop::qvl_abf_Click() {
  if (!beginOperation("seiten trennen", LogForm::Plain)) return;
  TextEdit pages = splitPages(working_.source(), progress_);
  // A text without pages stays as it was rather than becoming empty.
  working_.setResult(pages.count == 0 ? working_.source() : std::move(pages.text));
  reportResult(LogForm::Plain, pages.count, "seiten", " getrennt");
}

}  // namespace brimlet
