// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "app/choosers.h"
#include "app/program_folder.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/number.h"
#include "core/text_compare.h"
#include "renamer/folder_entries.h"
#include "renamer/rename_names.h"
#include "renamer/renamer_window.h"

namespace brimlet {
namespace {

// Where the names come from and which folder they rename.
struct NameSource {
  int code = RenamerWindow::kPrepared;
  std::string names;
  std::string folder;
  std::string setFilePath;  // "" in data mode
};

NameSource failed(int code) {
  NameSource source;
  source.code = code;
  return source;
}

NameSource fromSetFile(Session& session) {
  FileDialog dialog;
  dialog.title = "Dremmick Ordnerwahl";
  dialog.filter = "Text-Dateien| *.txt";
  dialog.folder = session.programFolder;
  const std::optional<std::string> chosen = session.platform.chooseFileToOpen(dialog);
  if (!chosen || chosen->empty()) return failed(RenamerWindow::kCancelled);
  if (chosen->back() == '/') return failed(RenamerWindow::kBadChoice);
  FileRead file = readWholeFile(*chosen);
  if (file.status != ReadStatus::Ok) return failed(RenamerWindow::kBadChoice);
  if (file.bytes.size() < 3) return failed(RenamerWindow::kNoNamesFound);
  return {RenamerWindow::kPrepared, std::move(file.bytes), folderOf(*chosen), *chosen};
}

NameSource fromNamesText(Session& session, const std::string& namesText) {
  if (namesText.empty()) return failed(RenamerWindow::kNoNamesGiven);
  std::string folder = chooseFolder(session, cp("Ordner zum Umbenennen auswählen"));
  if (folder.empty()) return failed(RenamerWindow::kCancelled);
  return {RenamerWindow::kPrepared, namesText, std::move(folder), {}};
}

}  // namespace

int RenamerWindow::prepareNameList(const std::string& extension) {
  extensionFilter = extension;
  NameSource source = session_.settings[Setting::DatenVerwenden] == 1
                          ? fromNamesText(session_, namesText)
                          : fromSetFile(session_);
  if (source.code != kPrepared) return source.code;
  const NameListRules rules{extension, session_.settings[Setting::Nummerierung] == 1,
                            findControl("drm_vers")->text()};
  std::vector<std::string> names = namesFromText(source.names, rules);
  if (names.empty()) return kNoNamesFound;

  pairing.clear();
  for (std::string& name : names) pairing.push_back({{}, std::move(name)});
  showPreview();
  const std::string setFileName =
      source.setFilePath.empty() ? std::string() : source.setFilePath.substr(source.folder.size());
  EntryListing entries = listFolderEntries(source.folder, {extension, setFileName, pairing.size()});
  if (entries.names.empty()) return kNoFilesFound;
  const size_t found = entries.names.size() + (entries.stoppedEarly ? 1 : 0);
  if (found != pairing.size() &&
      !session_.platform.confirm("Dremmick", cp("Anzahl Dateien und Dateinamen stimmen nicht "
                                                "überein.||Trotzdem fortfahren?"))) {
    clearPreview();
    return kDeclined;
  }
  std::sort(entries.names.begin(), entries.names.end(),
            [](const std::string& a, const std::string& b) { return compareText(a, b) < 0; });
  for (size_t i = 0; i < std::min(entries.names.size(), pairing.size()); ++i) {
    pairing[i].oldName = std::move(entries.names[i]);
  }
  targetFolder = std::move(source.folder);
  if (!source.setFilePath.empty()) setFilePath = std::move(source.setFilePath);
  showPreview();
  anwd_->setEnabled(true);
  return kPrepared;
}

int RenamerWindow::prepareRandomNumbering() {
  std::string folder = chooseFolder(session_, cp("Ordner für Zufallsnummerierung auswählen"));
  if (folder.empty()) return kCancelled;
  EntryListing entries = listFolderEntries(folder, {});
  if (entries.names.empty()) return kNoFilesFound;
  const bool dropNumbers = findControl("drm_rnd_e")->value() != 0;
  const std::vector<std::string> prefixes = randomPrefixes(entries.names.size(), session_.platform);
  pairing.clear();
  for (size_t i = 0; i < entries.names.size(); ++i) {
    std::string& name = entries.names[i];
    pairing.push_back({name, prefixes[i] + (dropNumbers ? withoutLeadingNumber(name) : name)});
  }
  targetFolder = std::move(folder);
  extensionFilter = " *";
  showPreview();
  anwd_->setEnabled(true);
  return kPrepared;
}

void RenamerWindow::showPreview() {
  const std::vector<bool> marks = conflictingPairs(targetFolder, pairing);
  std::vector<ListRow> rows;
  rows.reserve(pairing.size());
  int64_t marked = 0;
  for (size_t i = 0; i < pairing.size(); ++i) {
    rows.push_back({{pairing[i].newName, pairing[i].oldName}, marks[i]});
    marked += marks[i] ? 1 : 0;
  }
  lv1.setRows(std::move(rows));
  if (marked > 0) {
    log(decimal(marked) + " markierte Zeilen: neuer Name schon vorhanden oder doppelt");
  }
}

void RenamerWindow::clearPreview() {
  pairing.clear();
  lv1.setRows({});
}

void RenamerWindow::logPreparation(int code) {
  switch (code) {
    case kCancelled:
      log("Abbruch bei Auswahl");
      break;
    case kBadChoice:
      log("Fehler bei Auswahl");
      break;
    case kNoNamesGiven:
      log("Keine Dateinamen angegeben");
      break;
    case kNoNamesFound:
      log("Keine Dateinamen gefunden");
      break;
    case kNoFilesFound:
      log("Keine Dateien gefunden");
      clearPreview();
      break;
    default:
      break;
  }
}

}  // namespace brimlet
