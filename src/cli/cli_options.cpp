// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <getopt.h>

#include <charconv>
#include <cstdio>

#include "core/cp1252.h"

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

std::optional<uint32_t> parseSeed(const std::string& text) {
  uint32_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return seed;
}

// Option ids beyond every character, so no short option is meant.
enum OptionId : int {
  kHome = 256,
  kWorking,  // the data options in the order of DataSlot
  kUndo,
  kFileList,
  kNames,
  kDisplay,
  kClipboard,
  kField,
  kFieldFile,
  kAnswer,
  kSeed,
  kClock,
  kDump,
  kOut,
  kRecipe,
  kInPlace,
  kList,
  kDefaults,
  kVersion,
};

// clang-format off
const option kOptions[] = {
    {"home", required_argument, nullptr, kHome},
    {"working", required_argument, nullptr, kWorking},
    {"undo", required_argument, nullptr, kUndo},
    {"filelist", required_argument, nullptr, kFileList},
    {"names", required_argument, nullptr, kNames},
    {"display", required_argument, nullptr, kDisplay},
    {"clipboard", required_argument, nullptr, kClipboard},
    {"field", required_argument, nullptr, kField},
    {"field-file", required_argument, nullptr, kFieldFile},
    {"answer", required_argument, nullptr, kAnswer},
    {"seed", required_argument, nullptr, kSeed},
    {"clock", required_argument, nullptr, kClock},
    {"dump", required_argument, nullptr, kDump},
    {"out", required_argument, nullptr, kOut},
    {"recipe", required_argument, nullptr, kRecipe},
    {"in-place", no_argument, nullptr, kInPlace},
    {"list", no_argument, nullptr, kList},
    {"defaults", no_argument, nullptr, kDefaults},
    {"version", no_argument, nullptr, kVersion},
    {"help", no_argument, nullptr, 'h'},
    {nullptr, 0, nullptr, 0},
};
// clang-format on

// Takes the value of one option; the error text when it is not valid.
std::string takeOption(int id, const std::string& value, CliOptions& o) {
  std::string name;
  std::string assigned;
  switch (id) {
    case kHome:
      o.home = value;
      break;
    case kWorking:
    case kUndo:
    case kFileList:
    case kNames:
    case kDisplay:
    case kClipboard:
      o.dataFiles.push_back({static_cast<DataSlot>(id - kWorking), value});
      break;
    case kField:
    case kFieldFile: {
      const bool fromFile = id == kFieldFile;
      if (!splitAssignment(value, name, assigned)) {
        return fromFile ? "--field-file takes NAME=FILE" : "--field takes NAME=VALUE";
      }
      o.fields.push_back({name, fromFile ? assigned : cp(assigned), fromFile});
      break;
    }
    case kAnswer:
      if (!splitAssignment(value, name, assigned)) return "--answer takes TITLE=VALUE";
      o.answers.emplace_back(cp(name), cp(assigned));
      break;
    case kSeed:
      o.seed = parseSeed(value);
      if (!o.seed) return "--seed takes a number from 0 to 4294967295";
      break;
    case kClock:
      o.clock = parseClock(value);
      if (!o.clock) return "--clock takes \"YYYY-MM-DD HH:MM:SS\"";
      break;
    case kDump:
      o.dumpFolder = value;
      break;
    case kOut:
      o.outFile = value;
      break;
    case kRecipe:
      o.recipe = value;
      break;
    case kInPlace:
      break;  // its files are the arguments after it
    case kList:
      o.list = true;
      break;
    case kDefaults:
      o.defaults = true;
      break;
    case kVersion:
      o.version = true;
      break;
    case 'h':
      o.help = true;
      break;
    default:
      break;
  }
  return {};
}

// Standard input can be read once only.
bool readsStandardInputTwice(const CliOptions& o) {
  int readers = o.recipe == kStandardStream ? 1 : 0;
  for (const DataFile& data : o.dataFiles) readers += data.path == kStandardStream ? 1 : 0;
  for (const FieldValue& field : o.fields) {
    readers += field.fromFile && field.value == kStandardStream ? 1 : 0;
  }
  for (const std::string& file : o.inPlaceFiles) readers += file == kStandardStream ? 1 : 0;
  return readers > 1;
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
         "  --defaults                 built-in settings and extension groups;\n"
         "                             no settings file is read or written\n"
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
         "                             the steps, write it back in its own form\n"
         "  --list                     list every window's controls and handlers\n"
         "  -h, --help                 show this text\n"
         "  --version                  show the version\n"
         "FILE - is standard input (standard output for --out); an option's value\n"
         "may also follow it after \"=\", and -- ends the options.\n"
         "steps: HANDLER[:ARG...] runs a handler, NAME=VALUE sets a control;\n"
         "       --list names them, man brimlet-cli tells more\n"
         "exit status: 0 every step ran, 1 a file could not be read or written,\n"
         "             2 usage error (nothing ran), 128+N stopped by signal N\n";
}

CliParse parseCliOptions(const std::vector<std::string>& arguments) {
  CliParse result;
  CliOptions& o = result.options;
  // getopt_long wants writable C strings and keeps its place in globals,
  // which optind = 0 starts afresh.
  std::vector<std::string> texts = arguments;
  texts.insert(texts.begin(), "brimlet-cli");
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(texts.size());
  optind = 0;
  opterr = 0;

  bool inPlace = false;
  const auto takeOperand = [&](const char* operand) {
    if (inPlace) {
      o.inPlaceFiles.emplace_back(operand);
    } else {
      o.steps.push_back(parseStep(operand));
    }
  };
  // "-" first: operands come back in their place, so steps keep their order
  // and those after --in-place are its files. ":" tells a missing value
  // from an unknown option.
  for (int id; (id = getopt_long(argc, argv.data(), "-:h", kOptions, nullptr)) != -1;) {
    const std::string given = argv[optind - 1];
    if (id == 1) {
      takeOperand(optarg);
    } else if (id == ':') {
      result.error = given + " needs a value";
    } else if (id == '?') {
      result.error = "unknown option " + (optopt != 0 ? std::string("-") + static_cast<char>(optopt)
                                                      : given.substr(0, given.find('=')));
    } else {
      inPlace = inPlace || id == kInPlace;
      result.error = takeOption(id, optarg != nullptr ? optarg : "", o);
    }
    if (!result.error.empty()) return result;
  }
  for (int i = optind; i < argc; ++i) takeOperand(argv[i]);
  if (inPlace && o.inPlaceFiles.empty()) result.error = "--in-place needs at least one file";
  if (readsStandardInputTwice(o)) result.error = "standard input can be read only once";
  return result;
}

}  // namespace brimlet
