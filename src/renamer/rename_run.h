// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/progress.h"

namespace brimlet {

// One prepared rename inside the target folder, in the program's text.
struct RenamePair {
  std::string oldName;
  std::string newName;
};

// The pairs bound to fail, marked for the preview: a pair with an old name
// whose new name differs from it and either exists in `folder` already or
// is the new name of another such pair too.
[[nodiscard]] std::vector<bool> conflictingPairs(const std::string& folder,
                                                 const std::vector<RenamePair>& pairs);

// Renames `from` to `to` inside the open folder `folder` unless `to` exists:
// 0 or the errno of the failure (EEXIST when the name is taken). Where the
// file system cannot rename without replacing, a hard link to the new name
// and the removal of the old one do it; where it has no hard links either,
// the name is checked just before an ordinary rename.
[[nodiscard]] int renameNoReplace(int folder, const std::string& from, const std::string& to);
// The link-and-remove way alone (folders and link-less file systems take
// the checked rename).
[[nodiscard]] int renameByLink(int folder, const std::string& from, const std::string& to);

enum class ApplyStatus { Done, RenameFailed, JournalFailed };

struct ApplyResult {
  ApplyStatus status = ApplyStatus::Done;
  int64_t renamed = 0;
  int64_t missing = 0;  // entries that were gone: skipped, not renamed
};

// Renames every pair whose old entry still exists, in order, and stops at the
// first rename that fails. Nothing is ever replaced. Before the first rename
// the journal at `journalPath` gets the whole plan (see rename_journal.h);
// when it cannot be written nothing is renamed. A run that finds nothing to
// rename leaves the journal of the previous run in place.
[[nodiscard]] ApplyResult applyRenames(const std::string& folder,
                                       const std::vector<RenamePair>& pairs,
                                       const std::string& journalPath, Progress& progress);

enum class UndoStatus { Done, NoJournal };

struct UndoResult {
  UndoStatus status = UndoStatus::NoJournal;
  std::string folder;  // the journal's folder, in the program's text
  int64_t undone = 0;
  // "new name -> old name" of every rename that could not be taken back.
  std::vector<std::string> failed;
};

// Takes the renames of the journal back, last first, never replacing
// anything. An entry that already carries its old name again is left alone.
// Afterwards the journal holds only what could not be taken back (and is
// removed when that is nothing), so a later undo can try those again.
[[nodiscard]] UndoResult undoRenames(const std::string& journalPath, Progress& progress);

}  // namespace brimlet
