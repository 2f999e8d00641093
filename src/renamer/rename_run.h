// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/progress.h"

namespace brimlet {

// One prepared rename inside the target folder. The names are the program's
// text; the old entry is found by its own system bytes, never by the name
// shown, which can be the shown form of another entry too.
struct RenamePair {
  std::string oldName;  // "" when no entry is paired with the new name
  std::string newName;
  std::string oldSystemName;
};

// How a pair fares against the folder as it is:
// - Free: renamed straight to its new name (or not renamed at all);
// - Chained: its new name is the old name of another pair of the plan (a
//   chain a->b, b->c or a cycle), so it goes through a temporary name;
// - Conflict: its new name exists outside the plan, is the new name of
//   another pair too, or is no name; the plan cannot be applied.
enum class PairCheck { Free, Chained, Conflict };

[[nodiscard]] std::vector<PairCheck> checkPairs(const std::string& folder,
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

enum class ApplyStatus { Done, Conflicts, RenameFailed, JournalFailed };

struct ApplyResult {
  ApplyStatus status = ApplyStatus::Done;
  int64_t renamed = 0;
  int64_t missing = 0;  // entries that were gone: skipped, not renamed
  // "old name -> new name" of every rename that failed.
  std::vector<std::string> failed;
  // With Conflicts: the check of every pair, as the folder was found.
  std::vector<PairCheck> checks;
  // Otherwise, per pair: whose entry now carries its new name, and whose
  // rename failed (its entry still carries its old name).
  std::vector<bool> underNewName;
  std::vector<bool> failedPairs;
};

// Checks the plan against the folder as it is now and renames nothing when
// a pair conflicts. Otherwise renames every pair whose old entry still
// exists, never replacing anything: chained pairs through temporary names
// in the same folder, the others with one rename each. A rename that fails
// is reported and the run goes on (nothing is replaced, so the failure
// stays local). Before the first rename the journal at `journalPath` gets
// the whole plan with the identity of every file (see rename_journal.h);
// when it cannot be written nothing is renamed. A run that finds nothing to
// rename leaves the journal of the previous run in place.
[[nodiscard]] ApplyResult applyRenames(const std::string& folder,
                                       const std::vector<RenamePair>& pairs,
                                       const std::string& journalPath, Progress& progress);

enum class UndoStatus { Done, NoJournal, Damaged };

struct UndoResult {
  UndoStatus status = UndoStatus::NoJournal;
  std::string folder;  // the journal's folder, in the program's text
  int64_t undone = 0;
  // "new name -> old name" of every rename that could not be taken back.
  std::vector<std::string> failed;
};

// Takes the renames of the journal back, never replacing anything and only
// moving the very file the run renamed (found by its identity under its new
// or temporary name). A file already under its old name again counts as
// back; a rename the run never reached is left alone and not reported.
// Afterwards the journal holds only what could not be taken back (and is
// removed when that is nothing), so a later undo can try those again. A
// damaged journal renames nothing and stays for inspection.
[[nodiscard]] UndoResult undoRenames(const std::string& journalPath, Progress& progress);

}  // namespace brimlet
