// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "app/choosers.h"
#include "app/program_folder.h"
#include "core/cp1252.h"
#include "core/file_identity.h"
#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "core/number.h"
#include "core/text_file_form.h"
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
  bool foreignCharactersKept = false;
};

NameSource failed(int code) {
  NameSource source;
  source.code = code;
  return source;
}

bool sameFolder(const std::string& a, const std::string& b) {
  const std::optional<FileIdentity> first = identityOf(encodePath(a));
  return first && first == identityOf(encodePath(b));
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
  TextFromFile names = textFromFile(std::move(file.bytes));
  return {RenamerWindow::kPrepared, std::move(names.text), folderOf(*chosen), *chosen,
          names.foreignCharactersKept};
}

NameSource fromNamesText(Session& session, const std::string& namesText) {
  if (namesText.empty()) return failed(RenamerWindow::kNoNamesGiven);
  std::string folder = chooseFolder(session, cp("Ordner zum Umbenennen auswählen"));
  if (folder.empty()) return failed(RenamerWindow::kCancelled);
  return {RenamerWindow::kPrepared, namesText, std::move(folder), {}};
}

}  // namespace

// The program's own files in `folder`, by their system names: a run that
// renamed its journal could never be undone, and one that renamed the
// settings, group or set file would take them from the program.
std::vector<std::string> RenamerWindow::ownFilesIn(const std::string& folder,
                                                   const std::string& setFile) const {
  std::vector<std::string> names;
  for (const std::string& file :
       {journalPath(), session_.settingsPath(), session_.groupFile, setFile}) {
    if (file.empty() || !sameFolder(folderOf(file), folder)) continue;
    const std::string systemPath = encodePath(file);
    names.push_back(systemPath.substr(systemPath.rfind('/') + 1));
  }
  return names;
}

int RenamerWindow::prepareNameList(const std::string& extension) {
  extensionFilter = extension;
  NameSource source = session_.settings[Setting::DatenVerwenden] == 1
                          ? fromNamesText(session_, namesText)
                          : fromSetFile(session_);
  if (source.code != kPrepared) return source.code;
  if (source.foreignCharactersKept) log(foreignCharactersKeptMessage());
  const NameListRules rules{extension, session_.settings[Setting::Nummerierung] == 1,
                            findControl("drm_vers")->text()};
  std::vector<std::string> names = namesFromText(source.names, rules);
  if (names.empty()) return kNoNamesFound;

  pairing.clear();
  for (std::string& name : names) pairing.push_back({{}, std::move(name), {}});
  showPreview();
  std::vector<FolderEntry> entries =
      listFolderEntries(source.folder, {extension, ownFilesIn(source.folder, source.setFilePath)});
  if (entries.empty()) return kNoFilesFound;
  if (entries.size() != pairing.size() &&
      !session_.platform.confirm("Dremmick",
                                 cp("Anzahl Dateien und Dateinamen stimmen nicht überein: ") +
                                     decimal(static_cast<int64_t>(entries.size())) + " Dateien, " +
                                     decimal(static_cast<int64_t>(pairing.size())) +
                                     " Namen.||Trotzdem fortfahren?")) {
    clearPreview();
    return kDeclined;
  }
  for (size_t i = 0; i < std::min(entries.size(), pairing.size()); ++i) {
    pairing[i].oldName = std::move(entries[i].name);
    pairing[i].oldSystemName = std::move(entries[i].systemName);
  }
  targetFolder = std::move(source.folder);
  setFilePath = std::move(source.setFilePath);
  showPreview();
  anwd_->setEnabled(true);
  return kPrepared;
}

int RenamerWindow::prepareRandomNumbering() {
  std::string folder = chooseFolder(session_, cp("Ordner für Zufallsnummerierung auswählen"));
  if (folder.empty()) return kCancelled;
  std::vector<FolderEntry> entries = listFolderEntries(folder, {"", ownFilesIn(folder, {})});
  if (entries.empty()) return kNoFilesFound;
  // Entries come in name order, so a fixed seed gives the same numbers on any disk.
  const bool dropNumbers = findControl("drm_rnd_e")->value() != 0;
  const std::vector<std::string> prefixes = randomPrefixes(entries.size(), session_.platform);
  pairing.clear();
  for (size_t i = 0; i < entries.size(); ++i) {
    FolderEntry& entry = entries[i];
    std::string name = prefixes[i] + (dropNumbers ? withoutLeadingNumber(entry.name) : entry.name);
    pairing.push_back({std::move(entry.name), std::move(name), std::move(entry.systemName)});
  }
  targetFolder = std::move(folder);
  setFilePath.clear();
  extensionFilter = " *";
  showPreview();
  anwd_->setEnabled(true);
  return kPrepared;
}

void RenamerWindow::showPreview() {
  const size_t marked = showPreview(checkPairs(targetFolder, pairing));
  if (marked > 0) {
    log(decimal(static_cast<int64_t>(marked)) +
        " markierte Zeilen: neuer Name schon vorhanden oder doppelt");
  }
}

size_t RenamerWindow::showPreview(const std::vector<PairCheck>& checks) {
  std::vector<ListRow> rows;
  rows.reserve(pairing.size());
  for (size_t i = 0; i < pairing.size(); ++i) {
    rows.push_back({{pairing[i].newName, pairing[i].oldName}, checks[i] == PairCheck::Conflict});
  }
  lv1.setRows(std::move(rows));
  return static_cast<size_t>(std::count(checks.begin(), checks.end(), PairCheck::Conflict));
}

void RenamerWindow::clearPreview() {
  pairing.clear();
  setFilePath.clear();  // no run uses its names any more
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
