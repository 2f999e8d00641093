// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/settings_file.h"
#include "cli/cli_harness.h"
#include "core/cp1252.h"
#include "core/version.h"

namespace brimlet {
namespace {

using testing::CliRun;
using testing::TempFolder;

// The exit status of a shell command line.
int exitStatusOf(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Pipes, StandardInputInAndStandardOutputOut) {
  CliRun cli({"--working", "-", "main_quorvel_Click", "qvl_ucse_Click", "--out", "-"});
  cli.standardInput = std::string("ab\0c\r\n", 6);
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.output(), std::string("AB\0C\r\n", 6));
}

// A filter: a Linux program's text comes back in its form, decoded for the
// operation (the lower case of "Ä" is "ä" in UTF-8, not a broken byte).
TEST(Pipes, InPlaceFromStandardInputKeepsUtf8AndLf) {
  CliRun sort({"--defaults", "qvl_srt_Click", "--in-place", "-"});
  sort.standardInput = "b\na\n";
  sort.run();
  ASSERT_EQ(sort.exitCode, 0) << sort.describe();
  EXPECT_EQ(sort.output(), "a\nb\n");

  CliRun lower({"--defaults", "qvl_lcse_Click", "--in-place", "-"});
  lower.standardInput =
      "\xC3\x84pfel\nZ\xC3\xBC"
      "ge";
  lower.run();
  ASSERT_EQ(lower.exitCode, 0) << lower.describe();
  EXPECT_EQ(lower.output(), "\xC3\xA4pfel\nz\xC3\xBCge\n");
}

TEST(Pipes, StandardInputIsReadOnce) {
  CliRun cli({"--working", "-", "--undo", "-", "main_quorvel_Click"});
  cli.run();
  EXPECT_EQ(cli.exitCode, 2) << cli.describe();
}

// /dev/stdout is the descriptor the shell opened: appending stays
// appending, and no temporary file replaces the file behind it.
TEST(Outputs, DevStdoutAppendsToTheRedirectedFile) {
  CliRun cli({"--working", "-", "main_quorvel_Click", "--out", "/dev/stdout"});
  cli.standardInput = "new\r\n";
  cli.home.write("stdout.txt", "old\r\n");
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  EXPECT_EQ(cli.output(), "old\r\nnew\r\n");
}

TEST(Outputs, DevicesAreWrittenDirectly) {
  CliRun null({"main_quorvel_Click", "--out", "/dev/null"});
  null.run();
  EXPECT_EQ(null.exitCode, 0) << null.describe();
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  CliRun full({"main_quorvel_Click", "--working", "-", "--out", "/dev/full"});
  full.standardInput = "x\r\n";
  full.run();
  EXPECT_EQ(full.exitCode, 1) << full.describe();
  EXPECT_EQ(exitStatusOf(std::string(BRIMLET_CLI) + " --help >/dev/full"), 1);
}

// Two names without a Windows-1252 form both came out as "??.txt" when the
// paths went through the file-name codec.
TEST(Paths, CommandLinePathsAreTheShellsBytes) {
  TempFolder files;
  files.write("in.txt", "one\r\n");
  files.write("07-\xE6\x97\xA5\xE6\x9C\xAC.txt", "b\r\na\r\n");
  for (const char* name : {"\xE6\x97\xA5\xE6\x9C\xAC.txt", "\xE4\xB8\xAD\xE5\x9B\xBD.txt"}) {
    CliRun cli(
        {"--working", files.file("in.txt"), "main_quorvel_Click", "--out", files.file(name)});
    cli.run();
    ASSERT_EQ(cli.exitCode, 0) << cli.describe();
    EXPECT_EQ(files.read(name), "one\r\n") << name;
  }
  EXPECT_FALSE(std::filesystem::exists(files.file("??.txt")));
  CliRun inPlace({"qvl_srt_Click", "--in-place", files.file("07-\xE6\x97\xA5\xE6\x9C\xAC.txt")});
  inPlace.run();
  ASSERT_EQ(inPlace.exitCode, 0) << inPlace.describe();
  EXPECT_EQ(files.read("07-\xE6\x97\xA5\xE6\x9C\xAC.txt"), "a\r\nb\r\n");
}

TEST(Options, ConventionsOfCommandLineTools) {
  CliRun version({"--version"});
  version.run();
  EXPECT_EQ(version.exitCode, 0) << version.describe();
  EXPECT_EQ(version.output(), "brimlet-cli " + std::string(kVersion) + "\n");

  TempFolder files;
  files.write("w.txt", "abc\r\n");
  // --opt=value, and after "--" an argument that looks like an option is
  // a file of --in-place.
  files.write("--odd.txt", "b\r\na\r\n");
  CliRun equals({"--working=" + files.file("w.txt"), "main_quorvel_Click", "qvl_ucse_Click"});
  equals.run();
  ASSERT_EQ(equals.exitCode, 0) << equals.describe();
  EXPECT_EQ(equals.dump("working.txt"), "ABC\r\n");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(files.path());
  CliRun dashes({"qvl_srt_Click", "--in-place", "--", "--odd.txt"});
  dashes.run();
  std::filesystem::current_path(before);
  EXPECT_EQ(dashes.exitCode, 0) << dashes.describe();
  EXPECT_EQ(files.read("--odd.txt"), "a\r\nb\r\n");

  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--seed", "abc"},
                                                {"--seed", "-1"},
                                                {"--seed=4294967296"},
                                                {"--bogus"},
                                                {"--field", "novalue"},
                                                {"--clock", "yesterday"}}) {
    CliRun cli(wrong);
    cli.run();
    EXPECT_EQ(cli.exitCode, 2) << cli.describe();
  }
  EXPECT_EQ(exitStatusOf(std::string(BRIMLET_CLI) + " 2>/dev/null"), 2);
}

TEST(Defaults, ARecipeIgnoresTheSavedSettings) {
  Settings saved;
  saved[Setting::SortierenDown] = 1;  // "Abwärts" saved in the window
  saved[Setting::EinstellungSpeichern] = 1;
  const std::string settings = settingsFileText(saved);
  for (const bool defaults : {false, true}) {
    std::vector<std::string> arguments = {"qvl_srt_Click", "main_close_Click", "--in-place", "-"};
    if (defaults) arguments.insert(arguments.begin(), "--defaults");
    CliRun cli(arguments);
    cli.home.write("Brimlet_set.txt", settings);
    cli.standardInput = "a\nc\nb\n";
    cli.run();
    ASSERT_EQ(cli.exitCode, 0) << cli.describe();
    EXPECT_EQ(cli.output(), defaults ? "a\nb\nc\n" : "c\nb\na\n");
    EXPECT_EQ(cli.home.read("Brimlet_set.txt"), settings) << "written with " << defaults;
  }
}

// The manual's example with the recipe among the files: the recipe runs,
// is not worked on, and a second run finds nothing more to change.
TEST(InPlace, TheRecipeInItsOwnGlobIsLeftAlone) {
  TempFolder files;
  const std::string recipe = "qvl_rtr_Click\nqvl_srt_Click\n";
  files.write("tidy.txt", recipe);
  files.write("list.txt", "b  \na\n");
  std::filesystem::create_symlink(files.file("tidy.txt"), files.file("link.txt"));
  for (int run = 0; run < 2; ++run) {
    CliRun cli({"--defaults", "--recipe", files.file("./tidy.txt"), "--in-place",
                files.file("link.txt"), files.file("list.txt"), files.file("tidy.txt")});
    cli.run();
    EXPECT_EQ(cli.exitCode, 0) << cli.describe();
    EXPECT_EQ(files.read("tidy.txt"), recipe);
    EXPECT_EQ(files.read("list.txt"), "a\nb\n");
  }
}

// The batch writes each kind of file as the single safe save does: a hard
// link in place (both names see the text), a symbolic link through to its
// file, the mode kept; a file named twice comes out whole.
TEST(InPlace, BatchesKeepLinksModesAndRepeats) {
  TempFolder files;
  for (const char* name : {"hard.txt", "target.txt", "mode.txt", "twice.txt"}) {
    files.write(name, "b  \na\n");
  }
  std::filesystem::create_hard_link(files.file("hard.txt"), files.file("hard2.txt"));
  std::filesystem::create_symlink(files.file("target.txt"), files.file("link.txt"));
  std::filesystem::permissions(files.file("mode.txt"), std::filesystem::perms(0640));
  CliRun cli({"--defaults", "qvl_rtr_Click", "qvl_srt_Click", "qvl_ucse_Click", "--in-place",
              files.file("hard.txt"), files.file("link.txt"), files.file("mode.txt"),
              files.file("twice.txt"), files.file("twice.txt")});
  cli.run();
  ASSERT_EQ(cli.exitCode, 0) << cli.describe();
  for (const char* name : {"hard.txt", "hard2.txt", "target.txt", "link.txt", "mode.txt"}) {
    EXPECT_EQ(files.read(name), "A\nB\n") << name;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(files.file("link.txt")));
  EXPECT_EQ(std::filesystem::status(files.file("mode.txt")).permissions(),
            std::filesystem::perms(0640));
  EXPECT_EQ(files.read("twice.txt"), "A\nB\n");
}

// Stopped while a batch is staged, and again once files were placed: each
// file is either as it was or fully written, no temporary file is left, and
// the exit status names the signal.
TEST(InPlace, SigtermLeavesEachFileOldOrNewAndNoTemporaryFile) {
  constexpr int kFiles = 3000;
  // Built by appending: gcc 12 warns falsely about "f" + std::string there.
  const auto name = [](int i) { return std::string("f").append(std::to_string(i)).append(".txt"); };
  const auto temporaries = [](const TempFolder& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      count += entry.path().filename().string().starts_with(".brimlet-") ? 1 : 0;
    }
    return count;
  };
  // When to stop it: at the first temporary file, or once the first file
  // was written.
  for (const bool afterFirstWritten : {false, true}) {
    TempFolder files;
    std::vector<std::string> arguments = {BRIMLET_CLI, "--defaults", "qvl_rtr_Click", "--in-place"};
    for (int i = 0; i < kFiles; ++i) {
      files.write(name(i), std::string("x").append(std::to_string(i)).append("  \n"));
      arguments.push_back(files.file(name(i)));
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, BRIMLET_CLI, nullptr, nullptr, argv.data(), environ), 0);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
      if (afterFirstWritten ? files.read(name(0)) == "x0\n" : temporaries(files) > 0) {
        ::kill(pid, SIGTERM);
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        break;
      }
      ::usleep(5000);
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM) << afterFirstWritten;
    EXPECT_EQ(temporaries(files), 0);
    int written = 0;
    for (int i = 0; i < kFiles; ++i) {
      const std::string text = files.read(name(i));
      const std::string old = "x" + std::to_string(i) + "  \n";
      ASSERT_TRUE(text == old || text == "x" + std::to_string(i) + "\n") << name(i) << ": " << text;
      written += text == old ? 0 : 1;
    }
    EXPECT_EQ(written > 0, afterFirstWritten);
  }
}

// gcc names the address sanitizer with a macro, clang 14 only through
// __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define BRIMLET_UNDER_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIMLET_UNDER_ADDRESS_SANITIZER
#endif
#endif

// Taking a data file that passes the load limit but whose conversion does
// not fit (LF to CR LF doubles it) ends with a message, not an abort.
TEST(DataFiles, TooLittleMemoryForTheConversionIsExitOne) {
#ifdef BRIMLET_UNDER_ADDRESS_SANITIZER
  GTEST_SKIP() << "the sanitizer's shadow memory does not fit an address-space limit";
#endif
  TempFolder files;
  // Just under the load limit, a third of the address space: the text and
  // its conversion alone fill the rest.
  files.write("lf.txt", std::string(size_t{78} << 20, '\n'));
  for (const char* option : {"--display", "--filelist"}) {
    const std::string command = "ulimit -v 240000; exec " + std::string(BRIMLET_CLI) +
                                " --defaults " + option + " " + files.file("lf.txt") +
                                " main_quorvel_Click 2>" + files.file("err.txt");
    EXPECT_EQ(exitStatusOf("/bin/sh -c '" + command + "'"), 1) << option;
    const std::string errors = files.read("err.txt");
    EXPECT_NE(errors.find("nicht genug speicher"), std::string::npos) << option << ": " << errors;
  }
}

}  // namespace
}  // namespace brimlet
