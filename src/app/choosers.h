// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/session.h"
#include "core/log.h"

namespace brimlet {

// The shared folder chooser: the chosen folder with a trailing "/", "" when
// cancelled, "Error" when the choice has no file-system path. The folder
// chosen last is preselected next time.
[[nodiscard]] std::string chooseFolder(Session& session, const std::string& title);

// The shared file-choice routine: asks for an existing file in the
// open-dialog folder with the dialog title `titleWord` + " Dateiwahl".
// Cancel, a missing file and a folder name are logged to the main log
// ("abbruch gewählt", "datei existiert nicht", "keine gültige datei") and
// give nullopt; a chosen file's folder becomes the open-dialog folder.
[[nodiscard]] std::optional<std::string> chooseFileToRead(Session& session, Reporter& reporter,
                                                          const std::string& titleWord);

}  // namespace brimlet
