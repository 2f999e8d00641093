// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <algorithm>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "core/number.h"
#include "renamer/renamer_window.h"

namespace brimlet {
namespace {

// The renamer has no progress bar; long runs still let the window repaint.
// Not a cancel point: files renamed so far cannot be put back by the
// handler boundary, so a run (and its undo) always finishes with its journal.
class EventPump final : public Progress {
 public:
  explicit EventPump(Platform& platform) : platform_(platform) {}
  void setMaximum(int64_t) override {}
  void setValue(int64_t) override { platform_.pumpEvents(); }

 private:
  Platform& platform_;
};

// Failed undo steps named one by one up to this many; the rest are counted.
constexpr size_t kNamedFailures = 20;

std::string count(size_t number) { return decimal(static_cast<int64_t>(number)); }

}  // namespace

void RenamerWindow::drm_anwd_Click() {
  if (!anwd_->enabled()) return;
  EventPump pump(session_.platform);
  const ApplyResult result = applyRenames(targetFolder, pairing, journalPath(), pump);
  rueck_->setEnabled(fileStatus(journalPath()) == ReadStatus::Ok);
  if (result.status == ApplyStatus::Conflicts) {
    log("Dremmick: " + count(showPreview(result.checks)) + " markierte Zeilen, nichts umbenannt");
    return;
  }
  if (result.status == ApplyStatus::JournalFailed) {
    log("Dremmick: Fehler beim Schreiben von " + journalPath() + ", nichts umbenannt");
    return;
  }
  if (result.missing > 0) log(decimal(result.missing) + " Dateien nicht gefunden");
  anwd_->setEnabled(false);
  showApplied(result);
  if (result.status == ApplyStatus::RenameFailed) {
    const size_t more = result.failed.size() - 1;
    log("Dremmick: Fehler bei umbenennen: " + result.failed.front() +
        (more > 0 ? " (und " + count(more) + " weitere)" : std::string()));
    return;
  }
  if (!deleteSetFile()) return;
  log(decimal(result.renamed) + extensionFilter + "-Dateien umbenannt");
}

// Deletes the set file the applied names came from, when the user asked
// for that; false (and logged) when it could not be deleted.
bool RenamerWindow::deleteSetFile() {
  if (session_.settings[Setting::SetDateiLoeschen] != 1 || setFilePath.empty()) return true;
  if (::unlink(encodePath(setFilePath).c_str()) != 0) {
    log(cp("Dremmick: Fehler bei Set-Datei löschen"));
    return false;
  }
  setFilePath.clear();
  return true;
}

// After a run the preview shows the folder as it is: each row the name its
// entry carries now, with nothing left to apply.
void RenamerWindow::showApplied(const ApplyResult& result) {
  std::vector<ListRow> rows;
  for (size_t i = 0; i < pairing.size(); ++i) {
    const RenamePair& pair = pairing[i];
    if (result.underNewName[i]) {
      rows.push_back({{pair.newName, pair.newName}, false});
    } else if (result.failedPairs[i]) {
      rows.push_back({{pair.newName, pair.oldName}, false});
    }
  }
  pairing.clear();
  lv1.setRows(std::move(rows));
}

void RenamerWindow::drm_rueck_Click() {
  EventPump pump(session_.platform);
  const UndoResult result = undoRenames(journalPath(), pump);
  rueck_->setEnabled(fileStatus(journalPath()) == ReadStatus::Ok);
  if (result.status == UndoStatus::NoJournal) {
    log(cp("Dremmick: nichts rückgängig zu machen"));
    return;
  }
  if (result.status == UndoStatus::Damaged) {
    log("Dremmick: " + journalPath() + cp(" ist beschädigt, nichts zurückbenannt"));
    return;
  }
  clearPreview();
  anwd_->setEnabled(false);
  const size_t named = std::min(result.failed.size(), kNamedFailures);
  for (size_t i = 0; i < named; ++i) {
    log(cp("nicht rückgängig: ") + result.failed[i]);
  }
  if (result.failed.size() > named) {
    log(count(result.failed.size() - named) + cp(" weitere nicht rückgängig"));
  }
  log(decimal(result.undone) + " Dateien in " + result.folder + cp(" zurückbenannt"));
}

}  // namespace brimlet
