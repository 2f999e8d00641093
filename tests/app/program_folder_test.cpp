// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

// Sets an environment variable for one case and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ProgramFolder, HomeOptionThenAWritableUninstalledExecutableFolderThenTheConfigFolder) {
  testing::TempFolder root;
  root.write("portable/brimlet", "");
  root.write("prefix/bin/brimlet", "");
  std::filesystem::create_directories(root.file("prefix/share/brimlet"));
  // A folder nobody can write to, root included (who may write to any
  // folder whose mode forbids it).
  const std::string unwritable = root.file("removed/");
  const struct {
    const char* what;
    std::string home;
    std::string exe;
    std::optional<std::string> xdg;
    std::string expected;
  } cases[] = {
      {"--home wins", root.file("h"), root.file("portable/"), root.file("xdg"), root.file("h/")},
      {"a portable copy keeps its files beside it", "", root.file("portable"), root.file("xdg"),
       root.file("portable/")},
      {"installed, even when writable", "", root.file("prefix/bin/"), root.file("xdg"),
       root.file("xdg/brimlet/")},
      {"unwritable", "", unwritable, root.file("xdg"), root.file("xdg/brimlet/")},
      {"no config variable", "", unwritable, std::nullopt, root.file("home/.config/brimlet/")},
      {"an empty config variable", "", unwritable, "", root.file("home/.config/brimlet/")},
  };
  const ScopedEnv home("HOME", root.file("home"));
  for (const auto& c : cases) {
    const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
    EXPECT_EQ(chooseProgramFolder(c.home, c.exe), c.expected) << c.what;
    EXPECT_TRUE(std::filesystem::is_directory(c.expected)) << c.what;
  }
}

}  // namespace
}  // namespace brimlet
