// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_runner.h"
#include "cli/in_place.h"
#include "cli/recipe.h"
#include "cli/scripted_platform.h"
#include "cli/window_list.h"
#include "core/huge_pages.h"
#include "core/version.h"

int main(int argc, char** argv) {
  brimlet::restartWithHugePages(argv);
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a failed write, not a crash
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    std::cerr << brimlet::cliUsage();
    return 2;
  }
  brimlet::CliParse parsed = brimlet::parseCliOptions(arguments);
  if (!parsed.error.empty()) {
    std::cerr << "brimlet-cli: " << parsed.error << "\n" << brimlet::kUsageHint;
    return 2;
  }
  // A text that did not reach its reader (a full disk, a closed pipe) is
  // a failed run.
  if (parsed.options.help) {
    std::cout << brimlet::cliUsage();
    return std::cout.flush() ? 0 : 1;
  }
  if (parsed.options.version) {
    std::cout << "brimlet-cli " << brimlet::kVersion << "\n";
    return std::cout.flush() ? 0 : 1;
  }
  if (parsed.options.list) {
    brimlet::ScriptedPlatform platform;
    brimlet::Program program(platform, {});
    brimlet::listWindows(program, std::cout);
    return std::cout.flush() ? 0 : 1;
  }
  if (!brimlet::appendRecipe(parsed.options, std::cerr)) return 1;
  if (!parsed.options.inPlaceFiles.empty()) return brimlet::runInPlace(parsed.options, std::cerr);
  return brimlet::runCli(parsed.options, std::cerr);
}
