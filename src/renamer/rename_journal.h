// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

// Which file an entry is, whatever it is called: a name can be given to
// another file between a run and its undo, its device and inode cannot.
// A file system hands the inode of a deleted file to the next new one at
// once, so the birth time (where the file system keeps one; 0 otherwise)
// tells those two apart.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t born = 0;  // nanoseconds
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// One rename of a run as the file system sees it: names in the folder's own
// bytes. A rename inside a chain or cycle of the plan (its new name is the
// old name of another) goes through `temp`, a fresh name in the same folder.
struct PlannedRename {
  std::string from;
  std::string to;
  std::string temp;  // "" for a rename straight to the new name
  FileIdentity file;
};

// The order of a run's steps, which the run and its undo share: every
// chained file to its temporary name, then the straight renames, then every
// chained file from its temporary name to its new name. For each rename,
// the index of its first step.
[[nodiscard]] std::vector<size_t> firstSteps(const std::vector<PlannedRename>& renames);
[[nodiscard]] size_t stepCount(const std::vector<PlannedRename>& renames);

// The record of one apply run. The plan (folder and every rename with its
// file's identity) is on disk before the first rename; as the run goes on
// one byte is appended per group of steps done, and an end mark once it
// ended, so after a crash the journal tells which renames the run cannot
// have reached.
struct Journal {
  std::string folder;  // system bytes, trailing "/"
  std::vector<PlannedRename> renames;
  // Steps that may have happened: every step of a run that ended, else the
  // groups recorded and the group in flight after them.
  size_t stepsReached = 0;
};

// The plan: a header, then the folder, the rename count and each rename's
// from, to, temp, device, inode and birth time, every field ended by NUL (which no
// name can hold).
[[nodiscard]] std::string journalPlan(const std::string& folder,
                                      const std::vector<PlannedRename>& renames);

// nullopt for anything that is not a journal with a complete plan, and for
// a journal naming anything but one entry of its folder (a "/", "." or
// "..", an empty name): such a journal, damaged or made by hand, could move
// files out of the folder it renamed.
[[nodiscard]] std::optional<Journal> parseJournal(std::string_view bytes);

// Steps are recorded in groups of this many, so the record of a run cut
// short trails its renames by less than a group and costs one write per
// group, not per rename.
inline constexpr size_t kStepGroup = 64;

// Writes a journal. The file is made fresh under a temporary name beside
// `path` (never through a link or over a file another process set up),
// synced, and then renamed over `path`: a link found there is replaced,
// not followed.
class JournalWriter {
 public:
  JournalWriter() = default;
  JournalWriter(const JournalWriter&) = delete;
  JournalWriter& operator=(const JournalWriter&) = delete;
  // Writes the plan; false, with `path` left as it was, when that failed.
  [[nodiscard]] bool start(const std::string& path, std::string_view plan);
  void stepDone();
  // Appends the end mark, syncs and closes.
  void end();
  // Closes without the end mark: the journal then reads as a run cut short.
  ~JournalWriter();

 private:
  int fd_ = -1;
  size_t steps_ = 0;
};

}  // namespace brimlet
