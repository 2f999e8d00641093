// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/load_limit.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace brimlet {
namespace {

// MemAvailable counts the page cache the kernel can drop, which free
// memory alone would leave out.
uint64_t availableMemory() {
  uint64_t available = 0;
  if (std::FILE* info = std::fopen("/proc/meminfo", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, info) != nullptr) {
      unsigned long long kib = 0;
      if (std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1) {
        available = static_cast<uint64_t>(kib) * 1024;
        break;
      }
    }
    std::fclose(info);
  }
  if (available == 0) {
    const long pages = ::sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0) {
      available = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
    }
  }
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
    available = std::min(available, static_cast<uint64_t>(limit.rlim_cur));
  }
  return available;
}

}  // namespace

uint64_t largestLoadableFile(uint64_t availableMemory) {
  return std::min(availableMemory / 3, kLargestTextBytes);
}

uint64_t largestLoadableFile() { return largestLoadableFile(availableMemory()); }

bool mayLoad(uint64_t size) {
  constexpr uint64_t kAlwaysLoadable = uint64_t{16} << 20;
  return size <= kAlwaysLoadable || size <= largestLoadableFile();
}

}  // namespace brimlet
