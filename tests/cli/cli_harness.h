// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace brimlet::testing {

// Runs the real brimlet-cli with a fresh --home, a fixed clock and seed and
// a --dump folder, `standardInput` on its standard input and its standard
// output appended to home's stdout.txt; on failure the test prints the
// command, the exit status, stderr and the folder's files.
class CliRun {
 public:
  explicit CliRun(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

  CliRun& run() {
    std::string command = std::string(BRIMLET_CLI) + " --home " + quote(home.path()) +
                          " --clock '2026-12-06 10:11:12' --seed 7 --dump " +
                          quote(home.file("dump"));
    for (const std::string& a : arguments_) {
      command += ' ';
      command += quote(a);
    }
    home.write("stdin.txt", standardInput);
    command += " <" + quote(home.file("stdin.txt")) + " >>" + quote(home.file("stdout.txt"));
    command += " 2>";
    command += quote(home.file("stderr.txt"));
    command_ = command;
    const int status = std::system(command.c_str());
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return *this;
  }

  [[nodiscard]] std::string output() const { return home.read("stdout.txt"); }

  [[nodiscard]] std::string dump(const std::string& name) const {
    return home.read("dump/" + name);
  }

  // Everything worth seeing when an expectation fails.
  [[nodiscard]] std::string describe() const {
    std::string text = "command: " + command_ + "\nexit: " + std::to_string(exitCode) +
                       "\nstderr: " + home.read("stderr.txt") + "\nfiles:";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path())) {
      text += "\n  " + entry.path().string();
    }
    return text;
  }

  TempFolder home;
  std::string standardInput;
  int exitCode = -1;

 private:
  static std::string quote(const std::string& s) {
    std::string out = "'";
    for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
  }

  std::vector<std::string> arguments_;
  std::string command_;
};

}  // namespace brimlet::testing
