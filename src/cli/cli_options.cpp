// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <cstdio>
#include <map>

#include "core/cp1252.h"
#include "core/file_name_codec.h"
#include "core/number.h"

namespace brimlet {
namespace {

// "NAME=VALUE" split at the first "="; false without one.
bool splitAssignment(const std::string& text, std::string& name, std::string& value) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0) return false;
  name = text.substr(0, equals);
  value = text.substr(equals + 1);
  return true;
}

std::optional<LocalTime> parseClock(const std::string& text) {
  LocalTime t;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &t.year, &t.month, &t.day, &t.hour,
                  &t.minute, &t.second, &tail) != 6) {
    return std::nullopt;
  }
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 ||
      t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    return std::nullopt;
  }
  return t;
}

// The options of recipes, batch runs and the listing. `--in-place` takes
// every argument after it as a file, so it comes last. False when `arg` is
// none of them.
bool parseRecipeOption(const std::vector<std::string>& arguments, size_t& i, CliParse& result) {
  const std::string& arg = arguments[i];
  CliOptions& o = result.options;
  if (arg == "--list") {
    o.list = true;
  } else if (arg == "--recipe") {
    if (i + 1 >= arguments.size()) {
      result.error = "--recipe needs a value";
    } else {
      o.recipe = decodePath(arguments[++i]);
    }
  } else if (arg == "--in-place") {
    while (++i < arguments.size()) o.inPlaceFiles.push_back(decodePath(arguments[i]));
    if (o.inPlaceFiles.empty()) result.error = "--in-place needs at least one file";
  } else {
    return false;
  }
  return true;
}

}  // namespace

Step parseStep(const std::string& text) {
  Step step;
  const size_t colon = text.find(':');
  const size_t equals = text.find('=');
  if (equals != std::string::npos && equals > 0 && (colon == std::string::npos || equals < colon)) {
    step.field = FieldValue{text.substr(0, equals), cp(text.substr(equals + 1)), false};
    return step;
  }
  step.handler = text.substr(0, colon);
  for (size_t pos = colon; pos != std::string::npos;) {
    const size_t next = text.find(':', pos + 1);
    step.arguments.push_back(
        cp(text.substr(pos + 1, next == std::string::npos ? next : next - pos - 1)));
    pos = next;
  }
  return step;
}

const char* cliUsage() {
  return "usage: brimlet-cli [OPTIONS] STEP... [--in-place FILE...]\n"
         "  --home DIR                 program folder (settings and group file)\n"
         "  --working|--undo|--filelist|--names|--display|--clipboard FILE\n"
         "                             set that data to the file's bytes\n"
         "  --field NAME=VALUE         set a control before the first step\n"
         "  --field-file NAME=FILE     set a control to a file's bytes\n"
         "  --answer TITLE=VALUE       answer the next dialog with that title\n"
         "  --seed N                   fix the random generator\n"
         "  --clock \"YYYY-MM-DD HH:MM:SS\"  fix the clock\n"
         "  --dump DIR                 write the state after the last step\n"
         "  --out FILE                 write the visible tool's text\n"
         "  --recipe FILE              run the file's steps (one a line, # comments)\n"
         "                             after those of the command line\n"
         "  --in-place FILE...         for each FILE: load it as the working text, run\n"
         "                             the steps, write it back (the last option)\n"
         "  --list                     list every window's controls and handlers\n"
         "  -h, --help                 show this text\n"
         "steps: HANDLER[:ARG...] runs a handler, NAME=VALUE sets a control;\n"
         "       --list names them, man brimlet-cli tells more\n"
         "exit status: 0 every step ran, 1 a file could not be read or written,\n"
         "             2 usage error (nothing ran)\n";
}

CliParse parseCliOptions(const std::vector<std::string>& arguments) {
  CliParse result;
  CliOptions& o = result.options;
  const std::map<std::string, DataSlot> slots = {
      {"--working", DataSlot::Working},   {"--undo", DataSlot::Undo},
      {"--filelist", DataSlot::FileList}, {"--names", DataSlot::Names},
      {"--display", DataSlot::Display},   {"--clipboard", DataSlot::Clipboard}};

  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (parseRecipeOption(arguments, i, result)) {
      if (!result.error.empty()) return result;
      continue;
    }
    if (arg == "-h" || arg == "--help") {
      o.help = true;
      continue;
    }
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      o.steps.push_back(parseStep(arg));
      continue;
    }
    if (i + 1 >= arguments.size()) {
      result.error = arg + " needs a value";
      return result;
    }
    const std::string& value = arguments[++i];
    std::string name;
    std::string assigned;
    if (const auto slot = slots.find(arg); slot != slots.end()) {
      o.dataFiles.push_back({slot->second, decodePath(value)});
    } else if (arg == "--home") {
      o.home = value;
    } else if (arg == "--field" || arg == "--field-file") {
      if (!splitAssignment(value, name, assigned)) {
        result.error = arg + " takes NAME=VALUE";
        return result;
      }
      const bool fromFile = arg == "--field-file";
      o.fields.push_back({name, fromFile ? decodePath(assigned) : cp(assigned), fromFile});
    } else if (arg == "--answer") {
      if (!splitAssignment(value, name, assigned)) {
        result.error = "--answer takes TITLE=VALUE";
        return result;
      }
      o.answers.emplace_back(cp(name), cp(assigned));
    } else if (arg == "--seed") {
      o.seed = static_cast<uint32_t>(integerValue(value));
    } else if (arg == "--clock") {
      o.clock = parseClock(value);
      if (!o.clock) {
        result.error = "--clock takes \"YYYY-MM-DD HH:MM:SS\"";
        return result;
      }
    } else if (arg == "--dump") {
      o.dumpFolder = decodePath(value);
    } else if (arg == "--out") {
      o.outFile = decodePath(value);
    } else {
      result.error = "unknown option " + arg;
      return result;
    }
  }
  return result;
}

}  // namespace brimlet
