// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/combine.h"

#include <sys/stat.h>

#include <optional>

#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "lister/folder_listing.h"

namespace brimlet {
namespace {

struct Identity {
  dev_t device;
  ino_t inode;
  friend bool operator==(const Identity&, const Identity&) = default;
};

// The regular file `systemPath` leads to, links followed.
std::optional<Identity> regularFile(const std::string& systemPath) {
  struct stat info {};
  if (::stat(systemPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return Identity{info.st_dev, info.st_ino};
}

// What the name itself holds: a link there is itself, since the output
// replaces it and the file it leads to stays an input like any other.
std::optional<Identity> entryItself(const std::string& systemPath) {
  struct stat info {};
  if (::lstat(systemPath.c_str(), &info) != 0) return std::nullopt;
  return Identity{info.st_dev, info.st_ino};
}

}  // namespace

Combination combineFolder(const std::string& folder, const std::string& outputName) {
  Combination result;
  if (!isSingleName(outputName)) {
    result.status = CombineStatus::BadName;
    return result;
  }
  const std::string systemFolder = encodePath(folder);
  FolderLister lister;
  const std::optional<FolderListing> listing = lister.list(systemFolder);
  if (!listing) return result;
  const std::string output = encodePath(folder + outputName);
  const std::optional<Identity> outputFile = entryItself(output);
  std::string bytes;
  for (const FolderListing::Entry& entry : listing->entries) {
    const std::string path = systemFolder + std::string(listing->systemName(entry));
    if (path == output) continue;
    const std::optional<Identity> file = regularFile(path);
    if (!file || file == outputFile) continue;
    const FileRead read = readWholeFile(SystemPath{path});
    if (read.status == ReadStatus::Ok) {
      bytes += read.bytes;
      ++result.files;
    } else {
      result.unreadable.push_back(folder + std::string(listing->name(entry)));
    }
  }
  result.status =
      replaceFile(SystemPath{output}, bytes) ? CombineStatus::Written : CombineStatus::WriteFailed;
  return result;
}

}  // namespace brimlet
