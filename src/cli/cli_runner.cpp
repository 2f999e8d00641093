// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_runner.h"

#include <algorithm>

#include "app/program_folder.h"
#include "cli/command_line_files.h"
#include "cli/interrupt.h"
#include "cli/scripted_platform.h"
#include "cli/state_dump.h"
#include "core/cp1252.h"
#include "core/number.h"
#include "program/program.h"

namespace brimlet {
namespace {

struct Target {
  WindowModel* window = nullptr;
  const Handler* handler = nullptr;
};

Target findHandler(Program& program, const std::string& name) {
  for (WindowModel* window : program.models()) {
    if (const Handler* handler = window->findHandler(name)) return {window, handler};
  }
  return {};
}

Control* findControl(Program& program, const std::string& name) {
  for (WindowModel* window : program.models()) {
    if (Control* control = window->findControl(name)) return control;
  }
  return nullptr;
}

// Sets a control as a user would leave it: a text field's text, a check
// box's or option's value, a list's position.
void setControl(Control& control, const std::string& value) {
  switch (control.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::DropDown:
    case ControlKind::ProgressBar:
      control.setValue(integerValue(value));
      break;
    default:
      control.setText(value);
      break;
  }
}

// Sets one of the program's texts to exactly these bytes.
void setData(Program& program, ScriptedPlatform& platform, DataSlot slot, std::string bytes) {
  switch (slot) {
    case DataSlot::Working:
      program.workshop().working().replace(std::move(bytes));
      return;
    case DataSlot::Undo:
      program.workshop().working().replaceUndoCopy(std::move(bytes));
      return;
    case DataSlot::Names:
      program.renamer().namesText = std::move(bytes);
      return;
    case DataSlot::FileList:  // counted as it is taken
      program.main().takeUnsortedList(std::move(bytes));
      return;
    case DataSlot::Display:  // converted to the field's line ends
      program.display().setFieldText(bytes);
      return;
    case DataSlot::Clipboard:
      platform.clipboard = std::move(bytes);
      return;
  }
}

// Reads a state file; false (and a message) when it cannot be read.
bool readInput(const std::string& path, std::string& bytes, std::ostream& errors) {
  FileRead file = readCommandLineFile(path);
  if (file.status != ReadStatus::Ok) {
    errors << "brimlet-cli: cannot read " << path
           << (file.status == ReadStatus::TooLarge ? " (too large to hold)" : "") << "\n";
    return false;
  }
  bytes = std::move(file.bytes);
  return true;
}

// Puts a state file's bytes where its option says. A file may pass the load
// limit and still not fit once it is converted (the display field's line
// ends, the file list's count), so taking it runs inside the handlers'
// boundary: false and a message, never an abort.
bool takeDataFile(Program& program, ScriptedPlatform& platform, const DataFile& data,
                  std::ostream& errors) {
  bool read = false;
  const std::string_view failure = runGuarded([&] {
    std::string bytes;
    read = readInput(data.path, bytes, errors);
    if (read) setData(program, platform, data.slot, std::move(bytes));
  });
  if (!failure.empty())
    errors << "brimlet-cli: cannot take " << data.path << ": " << failure << "\n";
  return read && failure.empty();
}

bool applyField(Program& program, const FieldValue& field, std::ostream& errors) {
  Control* control = findControl(program, field.control);
  std::string value = field.value;
  if (field.fromFile && !readInput(field.value, value, errors)) return false;
  setControl(*control, value);
  return true;
}

// Every name must be known before anything runs.
std::string checkNames(Program& program, const CliOptions& options) {
  for (const FieldValue& field : options.fields) {
    if (findControl(program, field.control) == nullptr) return "unknown control " + field.control;
  }
  for (const Step& step : options.steps) {
    if (step.field) {
      if (findControl(program, step.field->control) == nullptr) {
        return "unknown control " + step.field->control;
      }
    } else if (findHandler(program, step.handler).handler == nullptr) {
      return "unknown handler " + step.handler;
    }
  }
  return {};
}

}  // namespace

int runCli(const CliOptions& options, std::ostream& errors, const AroundSteps& around) {
  ScriptedPlatform platform;
  platform.stopRequested = interruptRequested;
  if (options.seed) platform.seedRandom(*options.seed);
  if (options.clock) platform.setClock(*options.clock);
  for (const auto& [title, value] : options.answers) platform.addAnswer(title, value);

  Program program(platform, chooseProgramFolder(options.home, executableFolder()));
  if (const std::string problem = checkNames(program, options); !problem.empty()) {
    errors << "brimlet-cli: " << problem << "\n" << kUsageHint;
    return 2;
  }
  program.session().savedSettingsUsed = !options.defaults;
  program.start();

  for (const DataFile& data : options.dataFiles) {
    if (!takeDataFile(program, platform, data, errors)) return 1;
  }
  for (const FieldValue& field : options.fields) {
    if (!applyField(program, field, errors)) return 1;
  }

  const bool stepsWanted = !around.before || around.before(program);
  for (const Step& step : options.steps) {
    if (program.ended() || !stepsWanted || interruptRequested()) break;
    if (step.field) {
      if (!applyField(program, *step.field, errors)) return 1;
      continue;
    }
    const Target target = findHandler(program, step.handler);
    if (!target.window->invoke(*target.handler, step.arguments)) {
      errors << "brimlet-cli: " << step.handler << " skipped: its control or window is disabled"
             << " or hidden\n";
    }
  }
  if (interruptRequested()) return interruptedExitStatus();
  if (stepsWanted && around.after) around.after(program);
  for (const std::string& warning : platform.warnings) {
    std::string text = warning;
    std::replace(text.begin(), text.end(), '|', ' ');
    errors << "brimlet-cli: " << toUtf8(text) << "\n";
  }
  for (const std::string& title : platform.unanswered) {
    errors << "brimlet-cli: no answer for the dialog \"" << toUtf8(title) << "\", cancelled\n";
  }

  if (!options.dumpFolder.empty()) {
    if (const std::string failed = dumpState(program, platform, options.dumpFolder);
        !failed.empty()) {
      errors << "brimlet-cli: cannot write " << failed << "\n";
      return 1;
    }
  }
  if (!options.outFile.empty() &&
      !writeCommandLineFile(options.outFile, visibleToolText(program))) {
    errors << "brimlet-cli: cannot write " << options.outFile << "\n";
    return 1;
  }
  return platform.warnings.empty() ? 0 : 1;
}

}  // namespace brimlet
