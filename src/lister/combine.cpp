// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/combine.h"

#include <sys/stat.h>

#include <optional>

#include "core/file_identity.h"
#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "core/folder_listing.h"

namespace brimlet {
namespace {

// The regular file `systemPath` leads to, links followed.
std::optional<FileIdentity> regularFile(const std::string& systemPath) {
  struct stat info {};
  if (::stat(systemPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return identityOf(info);
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
  // A link at the output name is the output itself: the output replaces it,
  // and the file it leads to stays an input like any other.
  const std::optional<FileIdentity> outputFile = identityOf(output, LinkRule::Itself);
  std::string bytes;
  for (const FolderListing::Entry& entry : listing->entries) {
    const std::string path = systemFolder + std::string(listing->systemName(entry));
    if (path == output) continue;
    const std::optional<FileIdentity> file = regularFile(path);
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
