// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <optional>

#include "cli/cli_options.h"
#include "core/load_limit.h"

namespace brimlet {
namespace {

FileRead readStream(int fd) {
  FileRead result;
  std::array<char, size_t{1} << 16> chunk;
  for (;;) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      result.status = ReadStatus::Unreadable;
      result.bytes.clear();
      return result;
    }
    if (!mayLoad(result.bytes.size() + static_cast<size_t>(n))) {
      result.status = ReadStatus::TooLarge;
      result.bytes = std::string();
      return result;
    }
    result.bytes.append(chunk.data(), static_cast<size_t>(n));
  }
  result.status = ReadStatus::Ok;
  return result;
}

bool writeStream(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The descriptor a path names by itself, as the shell reads it in a
// redirection: "-", /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N.
std::optional<int> namedDescriptor(std::string_view path) {
  if (path == kStandardStream || path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
    if (!path.starts_with(folder)) continue;
    path.remove_prefix(folder.size());
    int fd = -1;
    const auto [end, error] = std::from_chars(path.data(), path.data() + path.size(), fd);
    if (error == std::errc() && end == path.data() + path.size() && fd >= 0) return fd;
  }
  return std::nullopt;
}

}  // namespace

FileRead readCommandLineFile(const std::string& path) {
  if (path == kStandardStream) return readStream(STDIN_FILENO);
  FileRead file = readWholeFile(SystemPath{path});
  if (file.status != ReadStatus::NotAFile) return file;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return file;
  file = readStream(fd);
  ::close(fd);
  return file;
}

bool writeCommandLineFile(const std::string& path, std::string_view bytes) {
  if (const std::optional<int> fd = namedDescriptor(path)) return writeStream(*fd, bytes);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) {
    return writeWholeFile(SystemPath{path}, bytes, Durability::System);
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  const bool written = writeStream(fd, bytes);
  return ::close(fd) == 0 && written;
}

}  // namespace brimlet
