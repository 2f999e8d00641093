// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

// Receives the reader's log lines: "Ordner: " + folder before each folder's
// entries, and one line naming each folder that cannot be read.
using FolderLog = std::function<void(std::string_view message)>;

// The list of a folder: one line folder + "/" + name + CR LF per entry,
// each folder's entries in name order (see FolderListing), depth first: a
// subfolder's entries come where the subfolder stands and the subfolder
// itself gets no line, unless `subfoldersAsEntries`, which lists subfolders
// like files instead.
// `folder` has no trailing "/"; "" is the root, so its lines read "/name".
// A folder that is not an absolute path is not read (the folder chooser
// answers "Error" for a choice outside the file system).
//
// Names are decoded from the file system's UTF-8 (see decodeFileName), so a
// name holding CR or LF still makes one line; `namesWithLostCharacters`
// counts those shown with '?', which no other program finds by that name.
// Symbolic links are entries, never followed, so a link loop cannot trap
// the reader. A subfolder that cannot be opened is logged and skipped; one
// that vanished meanwhile is skipped silently.
//
// Progress runs over 0..100: back to 0 at every 500th entry, 11 further at
// every other 50th, and is reported after every name.
struct FolderReading {
  std::string list;
  int64_t entries = 0;
  int64_t namesWithLostCharacters = 0;
};
[[nodiscard]] FolderReading readFolder(const std::string& folder, bool subfoldersAsEntries,
                                       Progress& progress, const FolderLog& log);

}  // namespace brimlet
