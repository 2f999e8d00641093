// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/main_window.h"

#include "app/title_name.h"
#include "core/bar_progress.h"
#include "core/cp1252.h"
#include "core/number.h"
#include "lister/list_import.h"

namespace brimlet {

MainWindow::MainWindow(Session& session, Desk& desk)
    : WindowModel("frm1", "Brimlet ", session.busy),
      zlog(addControl("zlog", ControlKind::LogBox, "")),
      STBF(addControl("STBF", ControlKind::StatusBar, "")),
      PRBF(addControl("PRBF", ControlKind::ProgressBar, "")),
      extensionEdit(session, desk),
      settingsDialog(session, desk),
      aboutBox(session, desk),
      driveLetters(session, desk,
                   [this](const std::string& prefix) { changeDriveLetters(prefix); }),
      session_(session),
      desk_(desk) {
  addControl("main_dimp", ControlKind::Button, "Verzeichnis ein&lesen", "Einlesen");
  addControl("main_fimp", ControlKind::Button, "Datei &importieren", "Einlesen");
  addControl("main_neue", ControlKind::Button, "&Neu sortieren", "Sortieren");
  addControl("main_remp", ControlKind::Button, "&Pfade entfernen", "Bereinigen");
  addControl("main_remx", ControlKind::Button, "Datei&endungen entfernen", "Bereinigen");
  // Every letter of this caption already leads another control of the window.
  addControl("main_lze", ControlKind::Button, "Leerzeichen am Zeilenende", "Bereinigen");
  addControl("main_zfe", ControlKind::Button, "Z&ahlen am Zeilenende", "Bereinigen");
  addControl("main_cpy", ControlKind::Button, "&Kopieren", "Zwischenablage");
  addControl("main_pst", ControlKind::Button, "Ein&fügen", "Zwischenablage");
  addControl("main_fld", ControlKind::Button, "Export&ordner wählen", "Speichern");
  addControl("main_fex_a", ControlKind::Button, "Alles spei&chern", "Speichern");
  addControl("main_fex_w", ControlKind::Button, "Aus&wahl speichern", "Speichern");
  addControl("main_fex_g", ControlKind::Button, "Gruppen in &17 Dateien", "Speichern");
  addControl("main_fex_d", ControlKind::Button, "In Te&xtdatenbank", "Speichern");
  addControl("main_fex_e", ControlKind::Button, "Je Dateit&yp eine Datei", "Speichern");
  addControl("main_fex_ck", ControlKind::Button, "Csv mit Ko&mma", "Speichern");
  addControl("main_fex_cs", ControlKind::Button, "Csv mi&t Semikolon", "Speichern");
  addControl("main_fex_cdls", ControlKind::CheckBox, "Csv: Dateiname in letzte&r Spalte",
             "Speichern");
  addControl("main_show", ControlKind::Button, "An&zeigen", "Werkzeuge");
  addControl("main_inqvl", ControlKind::Button, "Liste an Quorvel &senden", "Werkzeuge");
  addControl("main_foli", ControlKind::Button, "Ordnerliste erze&ugen", "Werkzeuge");
  addControl("main_lwb", ControlKind::Button, "Laufwerksbuc&hstaben ändern", "Werkzeuge");
  addControl("main_end", ControlKind::Button, "Endungsgruppen &ändern", "Werkzeuge");
  addControl("main_komb", ControlKind::Button, "Dateien &verbinden", "Werkzeuge");
  addControl("main_comb0", ControlKind::Button, "&0.html verbinden", "Werkzeuge").setVisible(false);
  addControl("main_quorvel", ControlKind::Button, "&Quorvel", "Werkzeuge");
  addControl("main_dremmick", ControlKind::Button, "&Dremmick", "Werkzeuge");
  addControl("main_set", ControlKind::Button, "Einstellun&gen", "Programm");
  addControl("main_help", ControlKind::Button, "Hilfe &öffnen", "Programm");
  addControl("main_about", ControlKind::Button, "&Über Brimlet", "Programm");
  addControl("main_close", ControlKind::Button, "&Beenden", "Programm");

  addHandler("frm1_Close", &MainWindow::frm1_Close);
  addHandler("frm1_MessageProc", &MainWindow::frm1_MessageProc);
  addHandler("main_dimp_Click", &MainWindow::main_dimp_Click);
  addHandler("main_fimp_Click", &MainWindow::main_fimp_Click);
  addHandler("main_neue_Click", &MainWindow::main_neue_Click);
  addHandler("main_remp_Click", &MainWindow::main_remp_Click);
  addHandler("main_remx_Click", &MainWindow::main_remx_Click);
  addHandler("main_lze_Click", &MainWindow::main_lze_Click);
  addHandler("main_zfe_Click", &MainWindow::main_zfe_Click);
  addHandler("main_cpy_Click", &MainWindow::main_cpy_Click);
  addHandler("main_pst_Click", &MainWindow::main_pst_Click);
  addHandler("main_fld_Click", &MainWindow::main_fld_Click);
  addHandler("main_inqvl_Click", &MainWindow::main_inqvl_Click);
  addHandler("main_show_Click", &MainWindow::main_show_Click);
  addHandler("main_fex_a_Click", &MainWindow::main_fex_a_Click);
  addHandler("main_fex_w_Click", &MainWindow::main_fex_w_Click);
  addHandler("main_fex_g_Click", &MainWindow::main_fex_g_Click);
  addHandler("main_fex_d_Click", &MainWindow::main_fex_d_Click);
  addHandler("main_fex_e_Click", &MainWindow::main_fex_e_Click);
  addHandler("main_fex_ck_Click", &MainWindow::main_fex_ck_Click);
  addHandler("main_fex_cs_Click", &MainWindow::main_fex_cs_Click);
  addHandler("main_fex_cdls_Click", &MainWindow::main_fex_cdls_Click);
  addHandler("main_komb_Click", &MainWindow::main_komb_Click);
  addHandler("main_komb_MouseDown", &MainWindow::main_komb_MouseDown);
  addHandler("main_comb0_Click", &MainWindow::main_comb0_Click);
  addKeyHandler("zlog_KeyDown", &MainWindow::zlog_KeyDown, keysWith("T", {keys::kCtrl}));
  addHandler("main_foli_Click", &MainWindow::main_foli_Click);
  addHandler("main_lwb_Click", &MainWindow::main_lwb_Click);
  addHandler("main_end_Click", &MainWindow::main_end_Click);
  addHandler("main_set_Click", &MainWindow::main_set_Click);
  addHandler("main_help_Click", &MainWindow::main_help_Click);
  addHandler("main_about_Click", &MainWindow::main_about_Click);
  addHandler("main_quorvel_Click", &MainWindow::main_quorvel_Click);
  addHandler("main_dremmick_Click", &MainWindow::main_dremmick_Click);
  addHandler("main_close_Click", &MainWindow::main_close_Click);
}

void MainWindow::log(std::string_view message, LogMode mode) {
  addLogLine(zlog, session_.platform.now(), message);
  if (mode == LogMode::ShowProgress) {
    PRBF.setValue(0);
    PRBF.setVisible(true);
  } else if (mode == LogMode::HideProgress) {
    PRBF.setVisible(false);
  }
  refreshCounters();
}

bool MainWindow::noDataCheck() {
  if (!fileList.empty()) return false;
  log("keine daten geladen", LogMode::Line);
  return true;
}

void MainWindow::refreshCounters() {
  STBF.setText("Geladen: " + decimal(static_cast<int64_t>(fileList.size())) +
               " Bytes ~~~ Bearbeitet: " + decimal(static_cast<int64_t>(processedList().size())) +
               " Bytes ~~~ Zeilen: " + decimal(buckets.total));
}

void MainWindow::keepFileList() {
  if (kept_.fileList) return;
  kept_.fileList = std::move(fileList);
  kept_.lineCount = lineCount;
  kept_.title = window().text();
  kept_.sourceName = sourceName_;
  fileList.clear();
}

void MainWindow::keepSortedLists() {
  if (kept_.buckets) return;
  kept_.buckets = std::move(buckets);
  kept_.listedAsIs = listedAsIs_;
  kept_.deepestPathLevel = deepestPathLevel;
  buckets = Buckets{};
  listedAsIs_ = false;
}

void MainWindow::listsEnded() { kept_ = KeptLists{}; }

void MainWindow::listsFailed() {
  if (kept_.fileList) {
    fileList = std::move(*kept_.fileList);
    lineCount = kept_.lineCount;
    window().setText(kept_.title);
    sourceName_ = std::move(kept_.sourceName);
  }
  if (kept_.buckets) {
    buckets = std::move(*kept_.buckets);
    listedAsIs_ = kept_.listedAsIs;
    deepestPathLevel = kept_.deepestPathLevel;
  }
  if (kept_.sortModeUsed) sortModeUsed = *kept_.sortModeUsed;
  listsEnded();
  PRBF.setVisible(false);
  refreshCounters();
}

void MainWindow::takeList(std::string list, bool pastedBlock) {
  keepFileList();
  fileList = std::move(list);
  lineCount = pastedBlock ? recountPastedLines(fileList) : recountLines(fileList);
}

void MainWindow::main_show_Click() {
  if (noDataCheck()) return;
  desk_.showInDisplay({"Brimlet Anzeige " + sourceName_, "", processedList(), false, true});
}

void MainWindow::showSource(std::string_view source) {
  sourceName_ = titleName(source);
  window().setText("Brimlet " + sourceName_);
}

SortMode MainWindow::sortSetting() const {
  // Only 0 and 1 sort; any other digit a settings file may hold leaves the
  // list as it is.
  switch (session_.settings[Setting::Sortieren]) {
    case 0:
      return SortMode::Groups;
    case 1:
      return SortMode::Single;
    default:
      return SortMode::None;
  }
}

const std::string& MainWindow::processedList() const {
  return listedAsIs_ ? fileList : buckets.text;
}

std::vector<std::string_view> MainWindow::bucketTexts() const {
  if (listedAsIs_) return {fileList};
  std::vector<std::string_view> texts;
  for (size_t i = 0; i < buckets.count(); ++i) texts.push_back(buckets.bucket(i));
  return texts;
}

void MainWindow::takeBuckets(Buckets sorted) {
  keepSortedLists();
  buckets = std::move(sorted);
  listedAsIs_ = false;
}

// The rewrite was made beside the sorted lists, which stay whole until it
// has succeeded.
void MainWindow::takeRewrite(RewrittenBuckets rewritten, std::string_view noun,
                             std::string_view suffix) {
  takeBuckets(std::move(rewritten.buckets));
  report(LogMode::HideProgress, rewritten.counted, noun, suffix);
}

// Nothing sorted may outlive the list it was sorted from.
void MainWindow::forgetList() {
  keepSortedLists();
  buckets = Buckets{};
  listedAsIs_ = false;
  deepestPathLevel = 0;
}

void MainWindow::sortList(const std::string& prefix, SortMode mode) {
  if (!kept_.sortModeUsed) kept_.sortModeUsed = sortModeUsed;
  sortModeUsed = mode;
  BarProgress progress(PRBF, session_.platform);
  switch (mode) {
    case SortMode::Groups: {
      log("...gruppen sortieren...", LogMode::ShowProgress);
      progress.setMaximum(lineCount);
      std::optional<Buckets> sorted = groupSort(
          fileList, session_.groups.table, progress, [this](int64_t number, std::string_view line) {
            log("Zeile " + decimal(number) + ": " + std::string(line), LogMode::Line);
          });
      if (!sorted) {
        forgetList();
        log(prefix + cp("-fehler: nichts für Gruppen gefunden"), LogMode::HideProgress);
        return;
      }
      takeBuckets(std::move(*sorted));
      log(prefix + " + in Gruppen sortiert", LogMode::HideProgress);
      break;
    }
    case SortMode::Single:
      log("...einzeln sortieren...", LogMode::ShowProgress);
      progress.setMaximum(lineCount);
      takeBuckets(singleSort(fileList, session_.settings[Setting::AlphabEinzeln] == 1, progress));
      PRBF.setVisible(false);
      log(prefix + " + einzeln sortiert", LogMode::Line);
      break;
    case SortMode::None:
      keepUnsorted();
      log(prefix + " + nicht sortiert", LogMode::Line);
      return;
  }
  deepestPathLevel = deepestPath(processedList());
}

void MainWindow::keepUnsorted() {
  keepSortedLists();
  buckets = Buckets{};
  buckets.places = {{0, fileList.size(), lineCount}};
  buckets.total = lineCount;
  listedAsIs_ = true;
  deepestPathLevel = deepestPath(fileList);
}

void MainWindow::takeUnsortedList(std::string list) {
  takeList(std::move(list));
  sortModeUsed = SortMode::None;
  keepUnsorted();
  refreshCounters();
}

void MainWindow::enableGroupExports(bool enabled) {
  for (const char* name : {"main_fex_w", "main_fex_g", "main_fex_d"}) {
    findControl(name)->setEnabled(enabled);
  }
}

void MainWindow::receiveList(const std::string& text) {
  keepFileList();
  fileList = text;
  lineCount = recountLines(fileList);
  sortList("in brimlet kopiert + ", SortMode::None);
}

void MainWindow::frm1_Load() {
  PRBF.setVisible(false);
  STBF.setText("Keine Daten geladen");
}

void MainWindow::frm1_Close() { desk_.shutDown(); }

void MainWindow::main_quorvel_Click() { desk_.showTool(Tool::Workshop); }

void MainWindow::main_dremmick_Click() { desk_.showTool(Tool::Renamer); }

void MainWindow::main_close_Click() { desk_.endProgram(); }

}  // namespace brimlet
