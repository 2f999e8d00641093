// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "renamer/folder_entries.h"
#include "renamer/rename_journal.h"

namespace brimlet {
namespace {

class OpenFolder {
 public:
  explicit OpenFolder(const std::string& systemPath)
      : fd_(::open(systemPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
  ~OpenFolder() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  [[nodiscard]] int fd() const { return fd_; }

 private:
  int fd_;
};

bool exists(int folder, const std::string& name) {
  struct stat info {};
  return ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

int checkedRename(int folder, const std::string& from, const std::string& to) {
  if (exists(folder, to)) return EEXIST;
  return ::renameat(folder, from.c_str(), folder, to.c_str()) == 0 ? 0 : errno;
}

// The names a folder lists, so that "is this name taken" costs no look-up
// on the file system per name.
class ListedNames {
 public:
  explicit ListedNames(const std::string& folder)
      : listing_(listFolderEntries(folder, {})),
        names_(listing_.names.begin(), listing_.names.end()) {}
  [[nodiscard]] bool contains(std::string_view name) const { return names_.contains(name); }

 private:
  EntryListing listing_;
  std::unordered_set<std::string_view> names_;
};

// The system bytes of a name inside a folder. A name no entry is listed
// under has no byte-for-byte form to be found, so it is the UTF-8 form the
// codec would give after looking for both.
std::string systemName(const std::string& folder, const std::string& systemFolder,
                       const ListedNames& listed, const std::string& name) {
  if (!listed.contains(name)) return toUtf8(name);
  return encodePath(folder + name).substr(systemFolder.size());
}

}  // namespace

std::vector<bool> conflictingPairs(const std::string& folder,
                                   const std::vector<RenamePair>& pairs) {
  std::unordered_map<std::string_view, int> uses;
  for (const RenamePair& pair : pairs) {
    if (!pair.oldName.empty()) ++uses[pair.newName];
  }
  std::vector<bool> marks(pairs.size(), false);
  if (uses.empty()) return marks;
  const ListedNames listed(folder);
  for (size_t i = 0; i < pairs.size(); ++i) {
    const RenamePair& pair = pairs[i];
    if (pair.oldName.empty() || pair.oldName == pair.newName) continue;
    const std::string& name = pair.newName;
    marks[i] =
        uses[name] > 1 || listed.contains(name) || name.empty() || name == "." || name == "..";
  }
  return marks;
}

int renameByLink(int folder, const std::string& from, const std::string& to) {
  if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) {
    if (errno == EEXIST || errno == ENOENT) return errno;
    return checkedRename(folder, from, to);
  }
  if (::unlinkat(folder, from.c_str(), 0) != 0) {
    const int error = errno;
    ::unlinkat(folder, to.c_str(), 0);
    return error;
  }
  return 0;
}

int renameNoReplace(int folder, const std::string& from, const std::string& to) {
  if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  return renameByLink(folder, from, to);
}

ApplyResult applyRenames(const std::string& folder, const std::vector<RenamePair>& pairs,
                         const std::string& journalPath, Progress& progress) {
  ApplyResult result;
  const std::string systemFolder = encodePath(folder);
  const OpenFolder open(systemFolder);
  const ListedNames listed(folder);
  std::vector<SystemPair> plan;
  plan.reserve(pairs.size());
  for (const RenamePair& pair : pairs) {
    plan.push_back({systemName(folder, systemFolder, listed, pair.oldName),
                    systemName(folder, systemFolder, listed, pair.newName)});
  }
  progress.setMaximum(static_cast<int64_t>(plan.size()));
  JournalAppender journal;
  bool journalStarted = false;
  for (size_t i = 0; i < plan.size(); ++i) {
    progress.setValue(static_cast<int64_t>(i));
    const SystemPair& pair = plan[i];
    // Until the journal is there, nothing may be renamed, so a missing entry
    // is found by looking; afterwards the rename itself tells.
    if (!journalStarted && (open.fd() < 0 || !exists(open.fd(), pair.from))) {
      ++result.missing;
      continue;
    }
    if (!journalStarted) {
      if (!journal.start(journalPath, journalPlan(systemFolder, plan))) {
        result.status = ApplyStatus::JournalFailed;
        return result;
      }
      journalStarted = true;
      // The pairs before this one were all missing.
      for (size_t j = 0; j < i; ++j) journal.mark(PairMark::Missing);
    }
    if (pair.from == pair.to) {
      const bool there = exists(open.fd(), pair.from);
      journal.mark(there ? PairMark::Unchanged : PairMark::Missing);
      ++(there ? result.renamed : result.missing);
      continue;
    }
    const int error = renameNoReplace(open.fd(), pair.from, pair.to);
    if (error == ENOENT && !exists(open.fd(), pair.from)) {
      ++result.missing;
      journal.mark(PairMark::Missing);
      continue;
    }
    if (error != 0) {
      journal.mark(PairMark::Failed);
      result.status = ApplyStatus::RenameFailed;
      break;
    }
    journal.mark(PairMark::Renamed);
    ++result.renamed;
  }
  journal.end();
  return result;
}

UndoResult undoRenames(const std::string& journalPath, Progress& progress) {
  UndoResult result;
  const FileRead file = readWholeFile(journalPath);
  const std::optional<Journal> journal =
      file.status == ReadStatus::Ok ? parseJournal(file.bytes) : std::nullopt;
  if (!journal) return result;
  result.status = UndoStatus::Done;
  result.folder = decodePath(journal->folder);
  const OpenFolder open(journal->folder);
  const std::vector<size_t> indexes = pairsToUndo(*journal);
  progress.setMaximum(static_cast<int64_t>(indexes.size()));
  std::vector<SystemPair> left;
  for (size_t step = 0; step < indexes.size(); ++step) {
    progress.setValue(static_cast<int64_t>(step));
    const size_t index = indexes[step];
    const SystemPair& pair = journal->pairs[index];
    // A pair without a mark may never have been reached; without its new
    // name there is nothing to take back. A marked one is reported unless
    // its old name is back.
    const bool marked = index < journal->marks.size();
    const bool nothingToTakeBack =
        open.fd() >= 0 && !exists(open.fd(), pair.to) && (!marked || exists(open.fd(), pair.from));
    if (nothingToTakeBack) continue;
    if (open.fd() >= 0 && renameNoReplace(open.fd(), pair.to, pair.from) == 0) {
      ++result.undone;
      continue;
    }
    result.failed.push_back(decodeFileName(pair.to) + " -> " + decodeFileName(pair.from));
    left.push_back(pair);
  }
  if (left.empty()) {
    ::unlink(encodePath(journalPath).c_str());
  } else {
    std::reverse(left.begin(), left.end());
    (void)writeWholeFile(journalPath, endedJournal(journal->folder, left));
  }
  return result;
}

}  // namespace brimlet
