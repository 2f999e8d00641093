// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_runner.h"

#include <algorithm>

#include "app/program_folder.h"
#include "cli/scripted_platform.h"
#include "cli/state_dump.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/number.h"
#include "program/program.h"

namespace brimlet {
namespace {

struct Target {
  WindowModel* window = nullptr;
  const Handler* handler = nullptr;
  Control* control = nullptr;
};

Target findHandler(Program& program, const std::string& name) {
  for (WindowModel* window : program.models()) {
    if (const Handler* handler = window->findHandler(name)) return {window, handler, nullptr};
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
  FileRead file = readWholeFile(path);
  if (file.status != ReadStatus::Ok) {
    errors << "brimlet-cli: cannot read " << toUtf8(path)
           << (file.status == ReadStatus::TooLarge ? " (too large to hold)" : "") << "\n";
    return false;
  }
  bytes = std::move(file.bytes);
  return true;
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
  if (options.seed) platform.seedRandom(*options.seed);
  if (options.clock) platform.setClock(*options.clock);
  for (const auto& [title, value] : options.answers) platform.addAnswer(title, value);

  Program program(platform, chooseProgramFolder(options.home, executableFolder()));
  if (const std::string problem = checkNames(program, options); !problem.empty()) {
    errors << "brimlet-cli: " << problem << "\n" << cliUsage();
    return 2;
  }
  program.start();

  for (const DataFile& data : options.dataFiles) {
    std::string bytes;
    if (!readInput(data.path, bytes, errors)) return 1;
    setData(program, platform, data.slot, std::move(bytes));
  }
  for (const FieldValue& field : options.fields) {
    if (!applyField(program, field, errors)) return 1;
  }

  const bool stepsWanted = !around.before || around.before(program);
  for (const Step& step : options.steps) {
    if (program.ended() || !stepsWanted) break;
    if (step.field) {
      if (!applyField(program, *step.field, errors)) return 1;
      continue;
    }
    const Target target = findHandler(program, step.handler);
    target.window->invoke(*target.handler, step.arguments);
  }
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
      errors << "brimlet-cli: cannot write " << toUtf8(failed) << "\n";
      return 1;
    }
  }
  // The output file is the run's result like a shell redirection's, not a
  // user's document, and its flush to disk would cost more than the run.
  if (!options.outFile.empty() &&
      !writeWholeFile(options.outFile, visibleToolText(program), Durability::System)) {
    errors << "brimlet-cli: cannot write " << toUtf8(options.outFile) << "\n";
    return 1;
  }
  return platform.warnings.empty() ? 0 : 1;
}

}  // namespace brimlet
