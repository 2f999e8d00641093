// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

namespace brimlet {

// The system calls behind reading and saving files, in one table so a test
// can make each of them fail in turn and see that no save loses a file.
// Each entry has the system's own contract (-1 and errno on failure;
// posixFallocate returns the error number itself).
struct SystemCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  int (*mkstemp)(char* pattern);
  ssize_t (*read)(int fd, void* buffer, size_t size);
  ssize_t (*pwrite)(int fd, const void* buffer, size_t size, off_t offset);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*fstat)(int fd, struct stat* info);
  int (*stat)(const char* path, struct stat* info);
  int (*lstat)(const char* path, struct stat* info);
  ssize_t (*readlink)(const char* path, char* buffer, size_t size);
  int (*access)(const char* path, int mode);
  int (*fchmod)(int fd, mode_t mode);
  int (*fchown)(int fd, uid_t owner, gid_t group);
  int (*posixFallocate)(int fd, off_t offset, off_t length);
  int (*ftruncate)(int fd, off_t length);
  int (*rename)(const char* from, const char* to);
  int (*unlink)(const char* path);
};

// The table the file functions use; the system's own calls unless a test
// replaced them.
[[nodiscard]] SystemCalls& systemCalls();

}  // namespace brimlet
