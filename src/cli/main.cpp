#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_runner.h"
#include "core/huge_pages.h"

int main(int argc, char** argv) {
  brimlet::restartWithHugePages(argv);
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a failed write, not a crash
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const brimlet::CliParse parsed = brimlet::parseCliOptions(arguments);
  if (!parsed.error.empty()) {
    std::cerr << "brimlet-cli: " << parsed.error << "\n" << brimlet::cliUsage();
    return 2;
  }
  if (parsed.options.help) {
    std::cout << brimlet::cliUsage();
    return 0;
  }
  return brimlet::runCli(parsed.options, std::cerr);
}
