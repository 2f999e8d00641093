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

}  // namespace

void RenamerWindow::drm_anwd_Click() {
  if (!anwd_->enabled()) return;
  std::vector<RenamePair> pairs;
  for (const RenamePair& pair : pairing) {
    if (!pair.oldName.empty()) pairs.push_back(pair);
  }
  EventPump pump(session_.platform);
  const ApplyResult result = applyRenames(targetFolder, pairs, journalPath(), pump);
  rueck_->setEnabled(fileStatus(journalPath()) == ReadStatus::Ok);
  if (result.missing > 0) log(decimal(result.missing) + " Dateien nicht gefunden");
  if (result.status == ApplyStatus::JournalFailed) {
    log("Dremmick: Fehler beim Schreiben von " + journalPath() + ", nichts umbenannt");
    return;
  }
  if (result.status == ApplyStatus::RenameFailed) {
    log("Dremmick: Fehler bei umbenennen");
    return;
  }
  if (session_.settings[Setting::DatenVerwenden] == 0 &&
      session_.settings[Setting::SetDateiLoeschen] == 1) {
    if (setFilePath.empty() || ::unlink(encodePath(setFilePath).c_str()) != 0) {
      log(cp("Dremmick: Fehler bei Set-Datei löschen"));
      return;
    }
  }
  anwd_->setEnabled(false);
  clearPreview();
  log(decimal(result.renamed) + extensionFilter + "-Dateien umbenannt");
}

void RenamerWindow::drm_rueck_Click() {
  EventPump pump(session_.platform);
  const UndoResult result = undoRenames(journalPath(), pump);
  rueck_->setEnabled(fileStatus(journalPath()) == ReadStatus::Ok);
  if (result.status == UndoStatus::NoJournal) {
    log(cp("Dremmick: nichts rückgängig zu machen"));
    return;
  }
  const size_t named = std::min(result.failed.size(), kNamedFailures);
  for (size_t i = 0; i < named; ++i) {
    log(cp("nicht rückgängig: ") + result.failed[i]);
  }
  if (result.failed.size() > named) {
    log(decimal(static_cast<int64_t>(result.failed.size() - named)) +
        cp(" weitere nicht rückgängig"));
  }
  log(decimal(result.undone) + " Dateien in " + result.folder + cp(" zurückbenannt"));
}

}  // namespace brimlet
