// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/extension_groups.h"
#include "app/settings.h"
#include "core/busy_guard.h"
#include "core/platform.h"

namespace brimlet {

// What every window of one run shares: the desktop, the settings, the
// extension groups, the folders the dialogs start in and the run-time flags.
struct Session {
  Session(Platform& desktop, std::string folder)
      : platform(desktop),
        programFolder(std::move(folder)),
        saveDialogFolder(programFolder),
        openDialogFolder(programFolder),
        groupFile(programFolder + "Brimlet_edgs.txt") {}

  [[nodiscard]] std::string settingsPath() const { return programFolder + "Brimlet_set.txt"; }

  Platform& platform;
  BusyGuard busy;
  Settings settings;
  ExtensionGroups groups;

  std::string programFolder;        // with trailing "/"
  std::string saveDialogFolder;     // where every save dialog opens
  std::string openDialogFolder;     // where the file-choice dialog opens
  std::string folderChooserMemory;  // the folder chosen last, preselected next time
  std::string browserName;          // short name of the default web browser
  // The group file read at start and written by the extension-edit dialog;
  // loading another file there makes that one the group file.
  std::string groupFile;

  // false: the run starts from the built-in settings and extension groups
  // and never writes the settings file, so a scripted run means the same
  // whatever the windows saved. A group file the user loads is still read.
  bool savedSettingsUsed = true;
  bool shuttingDown = false;
  bool workshopShown = false;
  bool renamerShown = false;
};

}  // namespace brimlet
