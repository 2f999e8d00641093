// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_name_codec.h"

namespace brimlet {

bool appendToFile(const std::string& programPath, std::string_view bytes) {
  if (programPath.find('\0') != std::string::npos) return false;
  const std::string path = encodePath(programPath);
  // A FIFO without a reader would hold the open for ever; without blocking
  // it opens or fails at once, and the check below refuses it.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  if (fd < 0) return false;
  struct stat before {};
  if (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) {
    ::close(fd);
    return false;
  }
  bool written = true;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      written = false;
      break;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  written = written && ::fsync(fd) == 0;
  if (!written) {
    // Whatever got through is taken back; the old content stays whole.
    [[maybe_unused]] const int ignored = ::ftruncate(fd, before.st_size);
  }
  return ::close(fd) == 0 && written;
}

}  // namespace brimlet
