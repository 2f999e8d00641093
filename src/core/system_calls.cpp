// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace brimlet {

SystemCalls& systemCalls() {
  static SystemCalls calls{
      [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
      ::mkstemp,
      ::read,
      ::pwrite,
      ::fsync,
      ::close,
      ::fstat,
      ::stat,
      ::lstat,
      ::readlink,
      ::access,
      ::fchmod,
      ::fchown,
      ::posix_fallocate,
      ::ftruncate,
      ::rename,
      ::unlink,
  };
  return calls;
}

}  // namespace brimlet
