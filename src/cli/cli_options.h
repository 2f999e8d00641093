// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace brimlet {

// Paths of files on the command line are the shell's bytes, used as they
// are: they never were the program's text, and the file-name codec would
// turn two names without a Windows-1252 form into the same "?" name. "-" is
// standard input (or output for --out).
inline constexpr const char* kStandardStream = "-";

// The data a state option fills from a file, raw.
enum class DataSlot { Working, Undo, FileList, Names, Display, Clipboard };

struct DataFile {
  DataSlot slot;
  std::string path;
};

// A control set before the first step (--field, --field-file) or between
// steps (a NAME=VALUE step). The value is Windows-1252, or a path to read
// it from.
struct FieldValue {
  std::string control;
  std::string value;
  bool fromFile = false;
};

// One step: a handler with its arguments, or a control to set.
struct Step {
  std::string handler;
  std::vector<std::string> arguments;
  std::optional<FieldValue> field;
};

struct CliOptions {
  std::string home;
  std::vector<DataFile> dataFiles;
  std::vector<FieldValue> fields;
  std::vector<std::pair<std::string, std::string>> answers;  // title, value (Windows-1252)
  std::optional<uint32_t> seed;
  std::optional<LocalTime> clock;
  std::string dumpFolder;
  std::string outFile;
  std::vector<Step> steps;
  bool help = false;
  bool version = false;
  bool list = false;
  // Built-in settings and extension groups; no settings file read or written.
  bool defaults = false;
  std::string recipe;
  std::vector<std::string> inPlaceFiles;
};

struct CliParse {
  CliOptions options;
  std::string error;  // non-empty: a usage error
};

// GNU getopt_long does the parsing: it is the parser of the C library the
// program links anyway, and gives the conventions users expect of a GNU
// tool (--opt=value beside --opt value, unambiguous abbreviations, "--"
// ending the options) for free. Values and dialog titles arrive as UTF-8 and
// are turned into Windows-1252 here.
[[nodiscard]] CliParse parseCliOptions(const std::vector<std::string>& arguments);

[[nodiscard]] const char* cliUsage();
// What follows a usage error: the whole usage would bury the error line.
inline constexpr const char* kUsageHint = "Try 'brimlet-cli --help' for more information.\n";

// One step as written on the command line or on a recipe line: a handler
// with its arguments after colons, or NAME=VALUE (UTF-8, turned into
// Windows-1252).
[[nodiscard]] Step parseStep(const std::string& text);

}  // namespace brimlet
