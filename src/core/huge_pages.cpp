// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/huge_pages.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace brimlet {

void restartWithHugePages(char** argv) {
  static constexpr const char* kTunable = "glibc.malloc.hugetlb=1";
  const char* current = std::getenv("GLIBC_TUNABLES");
  std::string tunables = current != nullptr ? current : "";
  if (tunables.find("glibc.malloc.hugetlb") != std::string::npos) return;
  tunables += tunables.empty() ? kTunable : std::string(":") + kTunable;
  if (::setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0) return;
  ::execv("/proc/self/exe", argv);
}

}  // namespace brimlet
