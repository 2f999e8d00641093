// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/in_place.h"

#include <sys/stat.h>

#include <optional>
#include <set>
#include <utility>

#include "cli/cli_runner.h"
#include "cli/command_line_files.h"
#include "cli/interrupt.h"
#include "core/file_batch.h"
#include "core/file_identity.h"
#include "core/file_name_codec.h"
#include "core/text_file_form.h"

namespace brimlet {
namespace {

// A command-line file by its identity; standard input has none.
std::optional<FileIdentity> commandLineIdentity(const std::string& path) {
  if (path.empty() || path == kStandardStream) return std::nullopt;
  return identityOf(path);
}

// The file where a user would load it, and where the reports go: the
// workshop, under the name its title shows. It is written back by its own
// bytes, never by that name.
void takeIntoWorkshop(Program& program, const std::string& path, TextFromFile loaded) {
  program.showTool(Tool::Workshop);
  Workshop& workshop = program.workshop();
  const bool foreignKept = loaded.foreignCharactersKept;
  workshop.working().load(decodePath(path), std::move(loaded));
  workshop.refreshTitle();
  workshop.log(workshop.working().name() + " geladen", LogMode::Line);
  if (foreignKept) workshop.log(foreignCharactersKeptMessage(), LogMode::Line);
}

class InPlaceRun {
 public:
  InPlaceRun(const CliOptions& options, std::ostream& errors)
      : options_(options),
        errors_(errors),
        recipe_(commandLineIdentity(options.recipe)),
        batch_([this](const std::string& path, bool written) {
          if (!written) failed(path, "write");
        }) {}

  int run() {
    constexpr int kUsageError = 2;
    CliOptions run = options_;
    const std::vector<std::string>& files = options_.inPlaceFiles;
    for (size_t i = 0; i < files.size() && !interruptRequested(); ++i) {
      run.dumpFolder = i + 1 == files.size() ? options_.dumpFolder : std::string();
      if (processFile(run, files[i]) == kUsageError) return kUsageError;
    }
    if (interruptRequested()) {
      batch_.abandon();
      errors_ << "brimlet-cli: interrupted, the files not yet written are left as they were\n";
      return interruptedExitStatus();
    }
    batch_.commit();
    return status_;
  }

 private:
  void failed(const std::string& path, const char* what) {
    errors_ << "brimlet-cli: cannot " << what << " " << path << ", left as it was\n";
    status_ = 1;
  }

  // The runner's exit status for this file's steps.
  int processFile(const CliOptions& run, const std::string& file) {
    const bool standard = file == kStandardStream;
    const std::optional<FileIdentity> identity = commandLineIdentity(file);
    if (identity && identity == recipe_) {
      errors_ << "brimlet-cli: " << file << " is the recipe, left as it was\n";
      return 0;
    }
    // A file named twice gets the steps twice, the second time over the
    // first's result.
    if (identity && staged_.contains(*identity)) {
      batch_.commit();
      staged_.clear();
    }
    FileRead read = standard ? readCommandLineFile(file) : readWholeFile(SystemPath{file});
    if (read.status != ReadStatus::Ok) {
      failed(file, "read");
      return 0;
    }
    TextFromFile loaded;
    std::optional<std::string> result;
    AroundSteps around;
    around.before = [&](Program& program) {
      takeIntoWorkshop(program, file, std::move(loaded));
      return true;
    };
    around.after = [&](Program& program) { result = program.workshop().working().fileBytes(); };
    int code = 0;
    const std::string_view failure = runGuarded([&] {
      loaded = textFromFile(std::move(read.bytes));
      code = runCli(run, errors_, around);
    });
    if (!failure.empty()) errors_ << "brimlet-cli: " << file << ": " << failure << "\n";
    if (code != 0 || !failure.empty()) status_ = 1;
    if (!result || interruptRequested()) return code;
    if (standard) {
      if (!writeCommandLineFile(file, *result)) failed("standard output", "write");
      return code;
    }
    batch_.add(file, *result);
    if (identity) staged_.insert(*identity);
    return code;
  }

  const CliOptions& options_;
  std::ostream& errors_;
  const std::optional<FileIdentity> recipe_;
  FileBatch batch_;
  std::set<FileIdentity> staged_;  // in the batch, not yet placed
  int status_ = 0;
};

}  // namespace

int runInPlace(const CliOptions& options, std::ostream& errors) {
  catchInterrupts();
  return InPlaceRun(options, errors).run();
}

}  // namespace brimlet
