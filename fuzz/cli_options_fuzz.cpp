// SPDX-License-Identifier: GPL-3.0-or-later
// The brimlet-cli command line: arguments separated by NUL.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> arguments;
  while (!rest.empty()) {
    const size_t nul = rest.find('\0');
    arguments.emplace_back(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  }
  (void)brimlet::parseCliOptions(arguments);
  return 0;
}
