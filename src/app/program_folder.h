// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brimlet {

// Where the settings file, the group file and the help page live, with a
// trailing "/": the executable's folder when it is writable and the program
// is not installed, otherwise $XDG_CONFIG_HOME/brimlet/ (~/.config/brimlet/),
// created on demand. A --home folder given on the command line replaces both.
// Takes the system's bytes and returns the folder as the program writes paths.
[[nodiscard]] std::string chooseProgramFolder(const std::string& homeOption,
                                              const std::string& executableFolder);

// Whether the executable lies in an installed tree (<prefix>/bin beside
// <prefix>/share/brimlet/), where settings do not belong even when the
// folder is writable (~/.local/bin, or root's /usr/bin).
[[nodiscard]] bool isInstalled(const std::string& executableFolder);

// The folder part of a path with its trailing "/" ("/a/b.txt" -> "/a/").
[[nodiscard]] std::string folderOf(const std::string& path);

// Appends "/" unless the path already ends with one.
[[nodiscard]] std::string withTrailingSlash(std::string folder);

// The folder the running executable lies in, with "/", in the system's bytes.
[[nodiscard]] std::string executableFolder();

}  // namespace brimlet
