// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

// A rename as the file system sees it: both names in the folder's own bytes.
struct SystemPair {
  std::string from;
  std::string to;
};

// What became of one planned rename, one byte each in the journal.
enum class PairMark : char {
  Renamed = 'R',
  Missing = 'S',    // the entry was gone; nothing happened
  Unchanged = 'U',  // the new name was the old one
  Failed = 'F',     // the run stopped here; nothing happened
};

// The record of one apply run. The plan (folder and every pair, in order) is
// written whole before the first rename; then one mark per pair is appended
// as the run goes, and a final 'E' once it ended. A run cut short by a crash
// leaves a complete plan and the marks of the pairs it got through.
struct Journal {
  std::string folder;  // system bytes, trailing "/"
  std::vector<SystemPair> pairs;
  std::string marks;  // PairMark bytes, one per pair handled
  bool ended = false;
};

// The plan: a header, the folder, the pair count and both names of every
// pair, each ended by NUL (which no path can hold).
[[nodiscard]] std::string journalPlan(const std::string& folder,
                                      const std::vector<SystemPair>& pairs);
// A whole journal of a run that ended with every pair renamed.
[[nodiscard]] std::string endedJournal(const std::string& folder,
                                       const std::vector<SystemPair>& pairs);
// nullopt for anything that is not a journal with a complete plan.
[[nodiscard]] std::optional<Journal> parseJournal(std::string_view bytes);

// Marks reach the file in groups of this many, so the marks of a run cut
// short trail its renames by less than a group.
inline constexpr size_t kMarkGroup = 64;

// The pairs an undo must look at, last first: those marked renamed, and,
// when the run never ended, the group of pairs after the last mark (their
// renames may have happened without their marks being written).
[[nodiscard]] std::vector<size_t> pairsToUndo(const Journal& journal);

// Appends marks to a journal whose plan is on disk. The plan is synced to
// the disk before the first rename; the marks are plain appends of a group
// at a time, synced once at the end, so the journal costs neither a disk
// flush nor a write per rename.
class JournalAppender {
 public:
  // Writes the plan and opens it for marks; false when either failed.
  [[nodiscard]] bool start(const std::string& path, std::string_view plan);
  void mark(PairMark mark);
  // Appends the end mark, syncs and closes.
  void end();
  ~JournalAppender();

 private:
  void flush();

  int fd_ = -1;
  std::string pending_;
};

}  // namespace brimlet
