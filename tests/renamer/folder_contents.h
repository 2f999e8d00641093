// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace brimlet::testing {

// "name=content" of every entry of a folder, sorted; files are made with
// their name as content, so the list shows which file went where.
inline std::vector<std::string> folderContents(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    const std::string name = entry.path().filename().string();
    names.push_back(name + "=" + folder.read(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace brimlet::testing
