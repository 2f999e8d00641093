// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/combine.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "core/file_io.h"
#include "core/file_name_codec.h"

namespace brimlet {
namespace {

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(encodePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

Combination combineFolder(const std::string& folder, const std::string& outputName) {
  Combination result;
  DIR* listing = ::opendir(encodePath(folder).c_str());
  if (listing == nullptr) return result;
  result.listed = true;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(listing)) {
    std::string name = decodeFileName(entry->d_name);
    if (name == "." || name == ".." || name == outputName) continue;
    names.push_back(std::move(name));
  }
  ::closedir(listing);
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const std::string path = folder + name;
    if (!isRegularFile(path)) continue;
    FileRead file = readWholeFile(path);
    if (file.status == ReadStatus::Ok) {
      result.bytes += file.bytes;
    } else {
      result.unreadable.push_back(path);
    }
  }
  return result;
}

}  // namespace brimlet
