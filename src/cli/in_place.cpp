// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/in_place.h"

#include "cli/cli_runner.h"
#include "core/cp1252.h"
#include "core/file_io.h"

namespace brimlet {

int runInPlace(const CliOptions& options, std::ostream& errors) {
  constexpr int kUsageError = 2;
  int status = 0;
  CliOptions run = options;
  for (size_t i = 0; i < options.inPlaceFiles.size(); ++i) {
    const std::string& file = options.inPlaceFiles[i];
    run.dumpFolder = i + 1 == options.inPlaceFiles.size() ? options.dumpFolder : std::string();
    bool failed = false;
    AroundSteps around;
    around.before = [&](Program& program) {
      program.showTool(Tool::Workshop);  // where a user would load it, and where the reports go
      Workshop& workshop = program.workshop();
      workshop.loadFile(file);
      // A fresh workshop has no name, so the file's name is the sign that it was read.
      failed = workshop.working().name() != file;
      if (failed) errors << "brimlet-cli: cannot read " << toUtf8(file) << ", left as it was\n";
      return !failed;
    };
    around.after = [&](Program& program) {
      if (writeWholeFile(file, program.workshop().working().fileBytes())) return;
      failed = true;
      errors << "brimlet-cli: cannot write " << toUtf8(file) << ", left as it was\n";
    };
    const int code = runCli(run, errors, around);
    if (code == kUsageError) return code;
    if (code != 0 || failed) status = 1;
  }
  return status;
}

}  // namespace brimlet
