// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>

#include "core/cp1252.h"
#include "core/file_name_codec.h"
#include "core/load_limit.h"
#include "core/progress.h"
#include "core/system_calls.h"

namespace brimlet {
namespace {

// The kernel's own limit on a chain of links.
constexpr int kMaxLinkHops = 40;

// Small enough to stay in the second-level cache.
constexpr size_t kReadChunk = size_t{1} << 17;

// Closes a file being read also when reading it runs out of memory.
class ReadHandle {
 public:
  explicit ReadHandle(int fd) : fd_(fd) {}
  ~ReadHandle() { systemCalls().close(fd_); }
  ReadHandle(const ReadHandle&) = delete;
  ReadHandle& operator=(const ReadHandle&) = delete;

 private:
  int fd_;
};

// `done` counts the bytes written, also when a later write fails.
bool writeAll(int fd, std::string_view bytes, size_t& done) {
  while (done < bytes.size()) {
    const ssize_t n = systemCalls().pwrite(fd, bytes.data() + done, bytes.size() - done,
                                           static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool flushAndClose(int fd, Durability durability) {
  const bool flushed = durability == Durability::System || systemCalls().fsync(fd) == 0;
  return systemCalls().close(fd) == 0 && flushed;
}

mode_t modeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link); nullopt for a loop or a link that cannot be read.
std::optional<std::string> linkTarget(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (systemCalls().lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char buffer[PATH_MAX];
    const ssize_t n = systemCalls().readlink(path.c_str(), buffer, sizeof buffer);
    if (n < 0 || static_cast<size_t>(n) == sizeof buffer) return std::nullopt;
    std::string target(buffer, static_cast<size_t>(n));
    path = target.starts_with('/') ? target : folderOf(path) + "/" + target;
  }
  return std::nullopt;
}

// Whether the process may replace the file. Root may write anything, but a
// file nobody may write was made read-only on purpose.
bool mayWrite(const std::string& path, const struct stat& info) {
  if (systemCalls().access(path.c_str(), W_OK) != 0) return false;
  return ::geteuid() != 0 || (info.st_mode & 0222) != 0;
}

// Keeps the old file's owner where the process may; a process that may not
// gives the file its own, as any editor would.
void keepOwner(int fd, const struct stat& old) {
  struct stat now {};
  if (systemCalls().fstat(fd, &now) != 0) return;
  if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
    [[maybe_unused]] const int ignored = systemCalls().fchown(fd, old.st_uid, old.st_gid);
  }
}

ReadStatus statusOfError(int error) {
  if (error == ENOENT || error == ENOTDIR) return ReadStatus::Missing;
  return error == ENAMETOOLONG ? ReadStatus::TooLong : ReadStatus::Unreadable;
}

bool writeInPlace(const std::string& path, std::string_view bytes, Durability durability) {
  // Without blocking, so a FIFO put there since the look cannot hold the
  // program; the open file itself is asked what it is.
  const int fd =
      systemCalls().open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0);
  if (fd < 0) return false;
  struct stat info {};
  if (systemCalls().fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    systemCalls().close(fd);
    return false;
  }
  const auto size = static_cast<off_t>(bytes.size());
  const bool reserved = size <= info.st_size || systemCalls().posixFallocate(fd, 0, size) == 0;
  size_t done = 0;
  const bool written =
      reserved && writeAll(fd, bytes, done) && systemCalls().ftruncate(fd, size) == 0;
  if (!written && done == 0) {
    // The reservation may have grown the file; without a byte written the
    // old text is then whole again.
    [[maybe_unused]] const int ignored = systemCalls().ftruncate(fd, info.st_size);
  }
  return flushAndClose(fd, durability) && written;
}

bool holdsNul(std::string_view path) { return path.find('\0') != std::string_view::npos; }

// Writes `bytes` into a new temporary file in the folder of `path`, with the
// old file's mode and owner (a new file's mode without `old`), not yet
// flushed. Failed with an empty `staged.temporary` when no temporary file
// could be made there.
StageResult stageBeside(const std::string& path, std::string_view bytes, const struct stat* old,
                        StagedFile& staged) {
  staged.target = path;
  std::string temporary = folderOf(path) + "/.brimlet-XXXXXX";
  const int fd = systemCalls().mkstemp(temporary.data());
  if (fd < 0) return StageResult::Failed;
  staged.fd = fd;
  staged.temporary = std::move(temporary);
  if (old != nullptr) keepOwner(fd, *old);
  const mode_t mode = old != nullptr ? (old->st_mode & 07777) : modeForNewFile();
  size_t done = 0;
  if (systemCalls().fchmod(fd, mode) != 0 || !writeAll(fd, bytes, done)) {
    discardStaged(staged);
    return StageResult::Failed;
  }
  return StageResult::Staged;
}

// Flushes one staged file as `durability` says, renames it over its target
// and flushes the folder.
bool placeFlushed(StagedFile& staged, Durability durability) {
  if (durability == Durability::Disk && !flushStaged(staged)) {
    discardStaged(staged);
    return false;
  }
  return placeStaged(staged) && (durability == Durability::System || flushFolderOf(staged.target));
}

FileRead readWhole(const SystemPath& systemPath, size_t atMost, Progress* progress) {
  const std::string& path = systemPath.bytes;
  FileRead result;
  if (holdsNul(path)) return result;
  // Opening without blocking, then asking the open file what it is, so a
  // FIFO cannot hold the program and nothing changes between look and read.
  const int fd = systemCalls().open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK, 0);
  if (fd < 0) {
    result.status = statusOfError(errno);
    return result;
  }
  const ReadHandle file(fd);
  struct stat info {};
  if (systemCalls().fstat(fd, &info) != 0) {
    result.status = ReadStatus::Unreadable;
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.status = S_ISDIR(info.st_mode) ? ReadStatus::IsFolder : ReadStatus::NotAFile;
    return result;
  }
  // A file past what the program can hold is refused before anything is
  // allocated, and so is one that grows past it while being read.
  const auto tooLarge = [&result] {
    result.bytes = std::string();
    result.status = ReadStatus::TooLarge;
    return result;
  };
  const size_t wanted = std::min(static_cast<size_t>(info.st_size), atMost);
  if (!mayLoad(wanted)) return tooLarge();
  // Room for the whole file at once, filled through a small buffer: the
  // kernel copies into a buffer that stays in the cache about twice as fast
  // as into fresh memory, and appending writes each byte of the text once
  // where a resize would zero it first. A file that grew since fstat is
  // read on to its end.
  result.bytes.reserve(wanted);
  if (progress != nullptr) progress->setMaximum(static_cast<int64_t>(wanted));
  std::array<char, kReadChunk> chunk;
  for (;;) {
    if (progress != nullptr) progress->setValue(static_cast<int64_t>(result.bytes.size()));
    const ssize_t n = systemCalls().read(fd, chunk.data(), chunk.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      result.bytes.clear();
      result.status = ReadStatus::Unreadable;
      return result;
    }
    const auto got = static_cast<size_t>(n);
    const size_t taken = std::min(got, atMost - result.bytes.size());
    const size_t filled = result.bytes.size() + taken;
    if (filled > wanted && !mayLoad(filled)) return tooLarge();
    result.bytes.append(chunk.data(), taken);
    if (taken < got) {
      result.cut = true;
      break;
    }
  }
  result.status = ReadStatus::Ok;
  return result;
}

}  // namespace

FileRead readWholeFile(const std::string& programPath, size_t atMost) {
  return readWholeFile(SystemPath{encodePath(programPath)}, atMost);
}

FileRead readWholeFile(const std::string& programPath, Progress& progress) {
  return readWhole(SystemPath{encodePath(programPath)}, SIZE_MAX, &progress);
}

FileRead readWholeFile(const SystemPath& systemPath, size_t atMost) {
  return readWhole(systemPath, atMost, nullptr);
}

std::string readFailureText(ReadStatus status) {
  switch (status) {
    case ReadStatus::Missing:
      return "datei existiert nicht";
    case ReadStatus::IsFolder:
    case ReadStatus::NotAFile:
      return cp("keine gültige datei");
    case ReadStatus::TooLong:
      return "pfad zu lang";
    case ReadStatus::TooLarge:
      return cp("datei zu groß");
    case ReadStatus::Ok:
    case ReadStatus::Unreadable:
      break;
  }
  return "fehler beim lesen";
}

ReadStatus fileStatus(const std::string& programPath) {
  const std::string path = encodePath(programPath);
  struct stat info {};
  if (systemCalls().stat(path.c_str(), &info) != 0) {
    return statusOfError(errno);
  }
  return S_ISDIR(info.st_mode) ? ReadStatus::IsFolder : ReadStatus::Ok;
}

bool writeWholeFile(const std::string& programPath, std::string_view bytes, Durability durability) {
  if (holdsNul(programPath)) return false;
  return writeWholeFile(SystemPath{encodePath(programPath)}, bytes, durability);
}

bool writeWholeFile(const SystemPath& systemPath, std::string_view bytes, Durability durability) {
  StagedFile staged;
  switch (stageSystemFile(systemPath.bytes, bytes, staged, durability)) {
    case StageResult::Written:
      return true;
    case StageResult::Failed:
      return false;
    case StageResult::Staged:
      break;
  }
  return placeFlushed(staged, durability);
}

StageResult stageSystemFile(const std::string& systemPath, std::string_view bytes,
                            StagedFile& staged, Durability durability) {
  if (holdsNul(systemPath)) return StageResult::Failed;
  const std::optional<std::string> target = linkTarget(systemPath);
  if (!target) return StageResult::Failed;
  const std::string& path = *target;
  struct stat old {};
  const bool exists = systemCalls().stat(path.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return StageResult::Failed;
  const auto inPlace = [&] {
    return writeInPlace(path, bytes, durability) ? StageResult::Written : StageResult::Failed;
  };
  if (exists) {
    if (!S_ISREG(old.st_mode) || !mayWrite(path, old)) return StageResult::Failed;
    if (old.st_nlink > 1) return inPlace();
  }
  if (stageBeside(path, bytes, exists ? &old : nullptr, staged) == StageResult::Staged) {
    return StageResult::Staged;
  }
  return exists && staged.temporary.empty() ? inPlace() : StageResult::Failed;
}

bool flushStaged(const StagedFile& staged) { return systemCalls().fsync(staged.fd) == 0; }

bool closeStaged(StagedFile& staged) {
  const bool closed = staged.fd < 0 || systemCalls().close(staged.fd) == 0;
  staged.fd = -1;
  return closed;
}

bool placeStaged(StagedFile& staged) {
  if (closeStaged(staged) &&
      systemCalls().rename(staged.temporary.c_str(), staged.target.c_str()) == 0) {
    return true;
  }
  systemCalls().unlink(staged.temporary.c_str());
  return false;
}

void discardStaged(StagedFile& staged) {
  if (staged.fd >= 0) systemCalls().close(staged.fd);
  staged.fd = -1;
  systemCalls().unlink(staged.temporary.c_str());
}

bool flushFolderOf(const std::string& path) {
  const int fd = systemCalls().open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  return fd >= 0 && flushAndClose(fd, Durability::Disk);
}

bool replaceFile(const SystemPath& systemPath, std::string_view bytes) {
  const std::string& path = systemPath.bytes;
  if (holdsNul(path)) return false;
  struct stat old {};
  const bool exists = systemCalls().lstat(path.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) return false;
  StagedFile staged;
  const struct stat* kept = exists && S_ISREG(old.st_mode) ? &old : nullptr;
  return stageBeside(path, bytes, kept, staged) == StageResult::Staged &&
         placeFlushed(staged, Durability::Disk);
}

}  // namespace brimlet
