// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's text operations: each supplies its texts and its work, the
// frame of Workshop does the rest.
#include "core/cp1252.h"
#include "core/number.h"
#include "workshop/blank_lines.h"
#include "workshop/crlf_lines.h"
#include "workshop/line_endings.h"
#include "workshop/line_sort.h"
#include "workshop/trimming.h"
#include "workshop/workshop.h"

namespace brimlet {

void Workshop::declareOperations() {
  auto button = [this](auto&&... arguments) {
    addButton(std::forward<decltype(arguments)>(arguments)...);
  };
  button("qvl_unx", "Unix > D&os", "Zeilenenden", &Workshop::qvl_unx_Click);
  button("qvl_dos", "Dos > Unix", "Zeilenenden", &Workshop::qvl_dos_Click);
  button("qvl_nlb", "Zeilenende nach NUL", "Zeilenenden", &Workshop::qvl_nlb_Click);
  button("qvl_trz", "Trennzeichen entfernen", "Zeilenenden", &Workshop::qvl_trz_Click);

  button("qvl_ltr", "Links trimmen", "Leerzeichen", &Workshop::qvl_ltr_Click);
  button("qvl_trim", "Trimmen", "Leerzeichen", &Workshop::qvl_trim_Click);
  button("qvl_rtr", "Rechts trimmen", "Leerzeichen", &Workshop::qvl_rtr_Click);
  button("qvl_mlz", "Mehrfache entfernen", "Leerzeichen", &Workshop::qvl_mlz_Click);

  button("qvl_lcse", "kleinbuchstaben", "Groß/klein", &Workshop::qvl_lcse_Click);
  button("qvl_ucse", "GROSSBUCHSTABEN", "Groß/klein", &Workshop::qvl_ucse_Click);
  button("qvl_1bs", "1. Buchstabe groß", "Groß/klein", &Workshop::qvl_1bs_Click);

  button("qvl_sdz", "Sonderzeichen", "Zeichenklassen", &Workshop::qvl_sdz_Click);
  button("qvl_ntz", "Nichtdeutsche", "Zeichenklassen", &Workshop::qvl_ntz_Click);
  button("qvl_tz", "Satzzeichen", "Zeichenklassen", &Workshop::qvl_tz_Click);
  button("qvl_nve", "Vokale", "Zeichenklassen", &Workshop::qvl_nve_Click);
  button("qvl_nke", "Konsonanten", "Zeichenklassen", &Workshop::qvl_nke_Click);
  button("qvl_lz", "Leerzeichen", "Zeichenklassen", &Workshop::qvl_lz_Click);
  button("qvl_zf", "Ziffern", "Zeichenklassen", &Workshop::qvl_zf_Click);
  button("qvl_null", "Nullbytes", "Zeichenklassen", &Workshop::qvl_null_Click);

  button("qvl_1313", "Leerzeilen entfernen", "Leerzeilen", &Workshop::qvl_1313_Click);
  button("qvl_131313", "Von 2 Leerzeilen 1", "Leerzeilen", &Workshop::qvl_131313_Click);

  button("qvl_srt", "So&rtieren", "Sortieren", &Workshop::qvl_srt_Click);
  addControl("qvl_srt_x", ControlKind::TextBox, "1", "Sortieren");
  addOption("qvl_srt_d", "Abwärts", "Sortieren");
  addOption("qvl_srt_b", "Binär", "Sortieren");
}

void Workshop::qvl_unx_Click() {
  if (!beginOperation("unix zeilenenden ersetzen", LogForm::Progress)) return;
  UnixConversion conversion = unixToCrLf(working_.source(), progress_);
  working_.setResult(std::move(conversion.edit.text));
  reportResult(LogForm::Progress, conversion.edit.count, "unix zeilenenden",
               " ersetzt (" + decimal(conversion.lineFeeds) + ")");
  changeFileLineEnds(FileLineEnds::CrLf);
}

void Workshop::qvl_dos_Click() {
  if (noDataCheck()) return;
  runOperation({"dos zeilenenden ersetzen", "dos zeilenenden", " ersetzt"}, crLfToUnix);
  changeFileLineEnds(FileLineEnds::Lf);
}

void Workshop::qvl_nlb_Click() {
  runOperation({"nullzeichen mit zeilenenden versehen", "nullzeichen", " mit zeilenenden versehen"},
               lineEndAfterNul);
}

void Workshop::qvl_trz_Click() {
  runOperation({"trennzeichen entfernen", "trennzeichen", " entfernt"}, joinHyphenatedBreaks);
}

namespace {

Workshop::Work trimming(TrimSide side) {
  return [side](std::string_view text, Progress&) { return trimLines(text, side); };
}

}  // namespace

void Workshop::qvl_ltr_Click() {
  runOperation({"leerzeichen am Zeilenanfang entfernen", "zeilen mit leerzeichen", " getrimmt",
                LogForm::Plain},
               trimming(TrimSide::Start));
}

void Workshop::qvl_trim_Click() {
  runOperation({"leerzeichen am Zeilenanfang und -ende entfernen", "zeilen mit leerzeichen",
                " getrimmt", LogForm::Plain},
               trimming(TrimSide::Both));
}

void Workshop::qvl_rtr_Click() {
  runOperation({"leerzeichen am Zeilenende entfernen", "zeilen mit leerzeichen", " getrimmt",
                LogForm::Plain},
               trimming(TrimSide::End));
}

void Workshop::qvl_mlz_Click() {
  runOperation({"mehrfache Leerzeichen entfernen", "Leerzeichen", " entfernt"}, collapseBlanks);
}

void Workshop::qvl_lcse_Click() {
  if (!beginOperation({}, LogForm::Plain)) return;
  working_.setResult(lowerCase(working_.source()));
  log("alles in kleinbuchstaben", LogMode::Line);
}

void Workshop::qvl_ucse_Click() {
  if (!beginOperation({}, LogForm::Plain)) return;
  working_.setResult(upperCase(working_.source()));
  log("alles in grossbuchstaben", LogMode::Line);
}

void Workshop::qvl_1bs_Click() {
  runOperation({{}, "1. buchstabe", cp(" groß"), LogForm::Plain},
               [](std::string_view text, Progress&) { return capitaliseWordStarts(text); });
}

// Every member of the class gets its announcement and its count, in the
// order of their byte values, whether it occurs or not; the bytes are
// counted in the pass that removes them.
void Workshop::removeClass(CharacterClass characterClass) {
  const std::vector<unsigned char> members = classMembers(characterClass);
  if (working_.empty()) {
    // Unlike the other operations the class buttons leave one line per
    // member here. They keep the undo copy, which may hold the only text.
    for (size_t i = 0; i < members.size(); ++i) log("keine daten geladen", LogMode::Line);
    return;
  }
  working_.beginOperation();
  std::array<bool, 256> remove{};
  for (const unsigned char member : members) remove[member] = true;
  ByteCounts counts{};
  if (members.size() == 1) {
    // One member: its count is what the removal took out, no counting.
    std::string kept = withoutBytes(working_.source(), remove, progress_);
    counts[members[0]] = static_cast<int64_t>(working_.source().size() - kept.size());
    working_.setResult(std::move(kept));
  } else {
    ByteRemoval removal = countAndRemoveBytes(working_.source(), remove, progress_);
    working_.setResult(std::move(removal.text));
    counts = removal.counts;
  }
  for (const unsigned char member : members) {
    const std::string description = byteDescription(member);
    log("..." + description + " entfernen...", LogMode::ShowProgress);
    reportResult(LogForm::Progress, counts[member], description, " entfernt");
  }
}

void Workshop::qvl_sdz_Click() { removeClass(CharacterClass::Special); }
void Workshop::qvl_ntz_Click() { removeClass(CharacterClass::NonGerman); }
void Workshop::qvl_tz_Click() { removeClass(CharacterClass::Punctuation); }
void Workshop::qvl_nve_Click() { removeClass(CharacterClass::Vowels); }
void Workshop::qvl_nke_Click() { removeClass(CharacterClass::Consonants); }
void Workshop::qvl_lz_Click() { removeClass(CharacterClass::Blanks); }
void Workshop::qvl_zf_Click() { removeClass(CharacterClass::Digits); }
void Workshop::qvl_null_Click() { removeClass(CharacterClass::Nul); }

void Workshop::qvl_1313_Click() {
  runOperation({"leerzeilen entfernen", "leerzeilen", " entfernt"}, removeEmptyLines);
}

void Workshop::qvl_131313_Click() {
  runOperation({"von 2 leerzeilen 1 entfernen", "von 2 leerzeilen 1", " entfernt"}, thinEmptyLines);
}

void Workshop::qvl_srt_Click() {
  if (noDataCheck()) return;
  SortOptions options;
  options.column = integerValue(findControl("qvl_srt_x")->text());
  options.descending = session_.settings[Setting::SortierenDown] == 1;
  options.comparison =
      session_.settings[Setting::SortierenBinaer] == 1 ? Comparison::Binary : Comparison::Text;

  working_.beginOperation();
  const LineSort lines(working_.source(), progress_);
  if (lines.lineCount() < 2) {
    working_.keepSourceWithFinalLineEnd();
    log("keine Zeilen zu sortieren", LogMode::Line);
    return;
  }
  log(options.descending ? cp("... Zeilen abwärts sortieren...")
                         : cp("... Zeilen aufwärts sortieren..."),
      LogMode::ShowProgress);
  working_.setResult(lines.sorted(options, progress_));
  reportResult(LogForm::Progress, static_cast<int64_t>(lines.lineCount()), "Zeilen", " sortiert");
}

}  // namespace brimlet
