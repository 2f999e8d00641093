// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/cp1252.h"
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

// The entry itself, a link not followed.
std::optional<FileIdentity> identityOf(int folder, const std::string& name) {
  struct statx info {};
  if (::statx(folder, name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &info) != 0) {
    return std::nullopt;
  }
  const uint64_t born =
      (info.stx_mask & STATX_BTIME) != 0
          ? static_cast<uint64_t>(info.stx_btime.tv_sec) * 1000000000U + info.stx_btime.tv_nsec
          : 0;
  return FileIdentity{::makedev(info.stx_dev_major, info.stx_dev_minor), info.stx_ino, born};
}

bool exists(int folder, const std::string& name) { return identityOf(folder, name).has_value(); }

int checkedRename(int folder, const std::string& from, const std::string& to) {
  if (exists(folder, to)) return EEXIST;
  return ::renameat(folder, from.c_str(), folder, to.c_str()) == 0 ? 0 : errno;
}

// The system names a folder lists, so that "is this name taken" costs no
// look-up on the file system per name.
class ListedNames {
 public:
  explicit ListedNames(const std::string& folder) {
    for (FolderEntry& entry : listFolderEntries(folder, {})) {
      names_.insert(std::move(entry.systemName));
    }
  }
  [[nodiscard]] bool contains(const std::string& name) const { return names_.contains(name); }
  [[nodiscard]] bool anyStartsWith(std::string_view prefix) const {
    return std::any_of(names_.begin(), names_.end(),
                       [prefix](const std::string& name) { return name.starts_with(prefix); });
  }

 private:
  std::unordered_set<std::string> names_;
};

std::vector<PairCheck> check(const ListedNames& listed, const std::vector<RenamePair>& pairs,
                             const std::vector<std::string>& targets) {
  std::unordered_map<std::string_view, int> uses;
  std::unordered_set<std::string_view> moving;
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i].oldSystemName.empty()) continue;
    ++uses[targets[i]];
    if (pairs[i].oldSystemName != targets[i]) moving.insert(pairs[i].oldSystemName);
  }
  std::vector<PairCheck> checks(pairs.size(), PairCheck::Free);
  for (size_t i = 0; i < pairs.size(); ++i) {
    const std::string& to = targets[i];
    if (pairs[i].oldSystemName.empty() || pairs[i].oldSystemName == to) continue;
    if (!isSingleName(to) || uses[to] > 1 || (listed.contains(to) && !moving.contains(to))) {
      checks[i] = PairCheck::Conflict;
    } else if (moving.contains(to)) {
      checks[i] = PairCheck::Chained;
    }
  }
  return checks;
}

std::vector<std::string> systemTargets(const std::vector<RenamePair>& pairs) {
  std::vector<std::string> targets;
  targets.reserve(pairs.size());
  for (const RenamePair& pair : pairs) targets.push_back(toUtf8(pair.newName));
  return targets;
}

// A prefix no entry of the folder starts with, so the temporary names made
// from it are new; hidden, and telling whose they are should a crash leave
// them behind.
std::string temporaryPrefix(const ListedNames& listed) {
  auto token = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               static_cast<uint64_t>(::getpid());
  for (;; ++token) {
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, ".Brimlet_umb_%llx_",
                  static_cast<unsigned long long>(token));
    if (!listed.anyStartsWith(prefix)) return prefix;
  }
}

std::string shown(const std::string& from, const std::string& to) {
  return decodeFileName(from) + " -> " + decodeFileName(to);
}

// Counts a run's steps for the progress and the journal: next() comes
// before each step, so every step before it is done.
class Steps {
 public:
  Steps(Progress& progress, JournalWriter& journal) : progress_(progress), journal_(journal) {}
  void next() {
    if (begun_ > 0) journal_.stepDone();
    progress_.setValue(static_cast<int64_t>(begun_++));
  }
  void finish() {
    if (begun_ > 0) journal_.stepDone();
    journal_.end();
  }

 private:
  Progress& progress_;
  JournalWriter& journal_;
  size_t begun_ = 0;
};

struct JournalFile {
  UndoStatus status = UndoStatus::NoJournal;
  std::string bytes;
};

// The journal itself, never a file that a link in its place names.
JournalFile readJournalFile(const std::string& systemPath) {
  const int fd = ::open(systemPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {errno == ENOENT ? UndoStatus::NoJournal : UndoStatus::Damaged, {}};
  JournalFile file{UndoStatus::Damaged, {}};
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    char buffer[1 << 16];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
      file.bytes.append(buffer, static_cast<size_t>(got));
    }
    if (got == 0) file.status = UndoStatus::Done;
  }
  ::close(fd);
  return file;
}

}  // namespace

std::vector<PairCheck> checkPairs(const std::string& folder, const std::vector<RenamePair>& pairs) {
  const bool anyPaired = std::any_of(pairs.begin(), pairs.end(), [](const RenamePair& pair) {
    return !pair.oldSystemName.empty();
  });
  if (!anyPaired) return std::vector<PairCheck>(pairs.size(), PairCheck::Free);
  return check(ListedNames(folder), pairs, systemTargets(pairs));
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
  const ListedNames listed(folder);
  const std::vector<std::string> targets = systemTargets(pairs);
  std::vector<PairCheck> checks = check(listed, pairs, targets);
  if (std::find(checks.begin(), checks.end(), PairCheck::Conflict) != checks.end()) {
    result.status = ApplyStatus::Conflicts;
    result.checks = std::move(checks);
    return result;
  }
  const std::string systemFolder = encodePath(folder);
  const OpenFolder open(systemFolder);
  const std::string prefix = temporaryPrefix(listed);
  // Every file is identified before the first rename, so the journal can
  // tell it from any file that takes one of its names later.
  std::vector<PlannedRename> plan;
  std::vector<size_t> pairOf;  // the pair each planned rename comes from
  result.underNewName.assign(pairs.size(), false);
  result.failedPairs.assign(pairs.size(), false);
  for (size_t i = 0; i < pairs.size(); ++i) {
    const std::string& from = pairs[i].oldSystemName;
    if (from.empty()) continue;
    const std::optional<FileIdentity> file =
        open.fd() >= 0 ? identityOf(open.fd(), from) : std::nullopt;
    if (!file) {
      ++result.missing;
    } else if (from == targets[i]) {
      ++result.renamed;
      result.underNewName[i] = true;
    } else {
      pairOf.push_back(i);
      std::string temp =
          checks[i] == PairCheck::Chained ? prefix + std::to_string(plan.size()) : std::string();
      plan.push_back({from, targets[i], std::move(temp), *file});
    }
  }
  if (plan.empty()) return result;
  JournalWriter journal;
  if (!journal.start(journalPath, journalPlan(systemFolder, plan))) {
    result.status = ApplyStatus::JournalFailed;
    return result;
  }
  progress.setMaximum(static_cast<int64_t>(stepCount(plan)));
  Steps steps(progress, journal);
  const int fd = open.fd();
  auto outcome = [&](size_t i, int error) {
    if (error == 0) {
      ++result.renamed;
      result.underNewName[pairOf[i]] = true;
    } else if (error == ENOENT) {
      ++result.missing;
    } else {
      result.failed.push_back(shown(plan[i].from, plan[i].to));
      result.failedPairs[pairOf[i]] = true;
    }
  };
  std::vector<bool> parked(plan.size(), false);
  for (size_t i = 0; i < plan.size(); ++i) {
    if (plan[i].temp.empty()) continue;
    steps.next();
    const int error = renameNoReplace(fd, plan[i].from, plan[i].temp);
    parked[i] = error == 0;
    if (error != 0) outcome(i, error);
  }
  for (size_t i = 0; i < plan.size(); ++i) {
    if (!plan[i].temp.empty()) continue;
    steps.next();
    outcome(i, renameNoReplace(fd, plan[i].from, plan[i].to));
  }
  for (size_t i = 0; i < plan.size(); ++i) {
    if (plan[i].temp.empty()) continue;
    steps.next();
    if (!parked[i]) continue;
    const int error = renameNoReplace(fd, plan[i].temp, plan[i].to);
    outcome(i, error == ENOENT ? EIO : error);
    if (error == 0) continue;
    // Back under its own name where that is still free, rather than left
    // under a name the user never chose.
    (void)renameNoReplace(fd, plan[i].temp, plan[i].from);
  }
  steps.finish();
  if (!result.failed.empty()) result.status = ApplyStatus::RenameFailed;
  return result;
}

UndoResult undoRenames(const std::string& journalPath, Progress& progress) {
  UndoResult result;
  const std::string systemPath = encodePath(journalPath);
  const JournalFile read = readJournalFile(systemPath);
  result.status = read.status;
  if (read.status != UndoStatus::Done) return result;
  const std::optional<Journal> journal = parseJournal(read.bytes);
  if (!journal) {
    result.status = UndoStatus::Damaged;
    return result;
  }
  result.folder = decodePath(journal->folder);
  const std::vector<PlannedRename>& renames = journal->renames;
  const std::vector<size_t> first = firstSteps(renames);
  const OpenFolder open(journal->folder);
  const int fd = open.fd();
  auto holds = [fd](const std::string& name, const FileIdentity& file) {
    const std::optional<FileIdentity> found = fd >= 0 ? identityOf(fd, name) : std::nullopt;
    return found && *found == file;
  };
  progress.setMaximum(static_cast<int64_t>(stepCount(renames)));
  int64_t step = 0;
  // Chained files leave their new names first: those are old names the
  // others go back to.
  for (size_t i = renames.size(); i-- > 0;) {
    const PlannedRename& rename = renames[i];
    if (rename.temp.empty()) continue;
    progress.setValue(step++);
    if (holds(rename.to, rename.file)) (void)renameNoReplace(fd, rename.to, rename.temp);
  }
  std::vector<PlannedRename> left;
  for (size_t i = renames.size(); i-- > 0;) {
    const PlannedRename& rename = renames[i];
    progress.setValue(step++);
    if (holds(rename.from, rename.file)) continue;
    const std::string* now = holds(rename.to, rename.file) ? &rename.to
                             : !rename.temp.empty() && holds(rename.temp, rename.file)
                                 ? &rename.temp
                                 : nullptr;
    if (now != nullptr && renameNoReplace(fd, *now, rename.from) == 0) {
      ++result.undone;
    } else if (now != nullptr || first[i] < journal->stepsReached) {
      result.failed.push_back(shown(rename.to, rename.from));
      left.push_back(rename);
    }
  }
  if (left.empty()) {
    ::unlink(systemPath.c_str());
  } else {
    std::reverse(left.begin(), left.end());
    JournalWriter rest;
    if (rest.start(journalPath, journalPlan(journal->folder, left))) rest.end();
  }
  return result;
}

}  // namespace brimlet
