// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/huge_pages.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace brimlet {
namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
// The tunables as the program was given them, carried across the restart:
// "-" when there were none, "=" + value otherwise.
constexpr const char* kGivenTunables = "BRIMLET_GIVEN_GLIBC_TUNABLES";

// The C library has read the tunables by now; children (the browser, the
// editor) get the environment the program was started with.
void restoreGivenTunables(const char* given) {
  const std::string value = given;
  ::unsetenv(kGivenTunables);
  if (value.starts_with('=')) {
    ::setenv(kTunables, value.c_str() + 1, 1);
  } else {
    ::unsetenv(kTunables);
  }
}

}  // namespace

void restartWithHugePages(char** argv) {
  static constexpr const char* kTunable = "glibc.malloc.hugetlb=1";
  if (const char* given = std::getenv(kGivenTunables)) {
    restoreGivenTunables(given);
    return;
  }
  const char* current = std::getenv(kTunables);
  std::string tunables = current != nullptr ? current : "";
  if (tunables.find("glibc.malloc.hugetlb") != std::string::npos) return;
  const std::string given = current != nullptr ? "=" + tunables : "-";
  tunables += tunables.empty() ? kTunable : std::string(":") + kTunable;
  if (::setenv(kGivenTunables, given.c_str(), 1) != 0) return;
  if (::setenv(kTunables, tunables.c_str(), 1) != 0) {
    ::unsetenv(kGivenTunables);
    return;
  }
  ::execv("/proc/self/exe", argv);
  restoreGivenTunables(given.c_str());
}

}  // namespace brimlet
