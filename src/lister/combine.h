// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace brimlet {

// The files of one folder joined byte for byte, in the order of their names
// (so a run is repeatable), with nothing between them. Only regular files
// take part (links to them included): subfolders, devices and pipes are
// never read, and neither is a file named `outputName`, which would
// otherwise swallow the result of the previous run.
struct Combination {
  bool listed = false;  // false: the folder could not be read
  std::string bytes;
  std::vector<std::string> unreadable;  // files skipped because reading failed
};

// `folder` ends with "/"; paths and names are the program's text.
[[nodiscard]] Combination combineFolder(const std::string& folder, const std::string& outputName);

}  // namespace brimlet
