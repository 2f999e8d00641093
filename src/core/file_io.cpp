#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/file_name_codec.h"

namespace brimlet {
namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

mode_t modeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileRead readWholeFile(const std::string& programPath) {
  const std::string path = encodePath(programPath);
  FileRead result;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    result.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
    return result;
  }
  if (S_ISDIR(info.st_mode)) {
    result.status = ReadStatus::IsFolder;
    return result;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.status = ReadStatus::Unreadable;
    return result;
  }
  if (S_ISREG(info.st_mode)) result.bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      result.bytes.clear();
      result.status = ReadStatus::Unreadable;
      return result;
    }
    result.bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  result.status = ReadStatus::Ok;
  return result;
}

bool fileExists(const std::string& programPath) {
  const std::string path = encodePath(programPath);
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool writeWholeFile(const std::string& programPath, std::string_view bytes) {
  const std::string path = encodePath(programPath);
  struct stat existing {};
  const bool replacing = ::stat(path.c_str(), &existing) == 0;
  if (replacing && S_ISDIR(existing.st_mode)) return false;

  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const mode_t mode = replacing ? (existing.st_mode & 07777) : modeForNewFile();
  const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes);
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace brimlet
