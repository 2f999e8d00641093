// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/choosers.h"

#include "app/program_folder.h"
#include "core/cp1252.h"
#include "core/file_io.h"

namespace brimlet {

std::string chooseFolder(Session& session, const std::string& title) {
  std::string folder = session.platform.chooseFolder(title, session.folderChooserMemory);
  if (!folder.empty() && folder != "Error") session.folderChooserMemory = folder;
  return folder;
}

std::optional<std::string> chooseFileToRead(Session& session, Reporter& reporter,
                                            const std::string& titleWord) {
  FileDialog dialog;
  dialog.title = titleWord + " Dateiwahl";
  dialog.filter = "Text-Dateien| *.txt;*.tx?;*.asc|Alle Dateien| *.*";
  dialog.folder = session.openDialogFolder;
  const std::optional<std::string> chosen = session.platform.chooseFileToOpen(dialog);
  if (!chosen || chosen->empty()) {
    reporter.mainLog(cp("abbruch gewählt"));
    return std::nullopt;
  }
  if (chosen->back() == '/') {
    reporter.mainLog(cp("keine gültige datei"));
    return std::nullopt;
  }
  if (const ReadStatus status = fileStatus(*chosen); status != ReadStatus::Ok) {
    reporter.mainLog(status == ReadStatus::TooLong ? "pfad zu lang" : "datei existiert nicht");
    return std::nullopt;
  }
  session.openDialogFolder = folderOf(*chosen);
  return chosen;
}

}  // namespace brimlet
