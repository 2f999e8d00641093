// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/file_name_codec.h"
#include "core/text_compare.h"

namespace brimlet {
namespace {

constexpr size_t kBufferSize = size_t{1} << 16;

bool isPrintableAscii(std::string_view name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool isFolder(int folder, const dirent64& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_UNKNOWN) return false;
  // Only file systems that leave the type open cost a stat call.
  struct stat status {};
  return ::fstatat(folder, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISDIR(status.st_mode);
}

void addEntry(FolderListing& listing, int folder, const dirent64& entry) {
  const std::string_view systemName = entry.d_name;
  if (systemName == "." || systemName == "..") return;
  const size_t offset = listing.names.size();
  if (isPrintableAscii(systemName)) {
    listing.names += systemName;  // most names: the same bytes in both encodings
  } else {
    listing.names += decodeFileName(systemName);
    if (!decodesWithoutLoss(systemName)) ++listing.namesWithLostCharacters;
  }
  listing.entries.push_back({offset, listing.names.size() - offset, listing.systemNames.size(),
                             systemName.size(), isFolder(folder, entry)});
  listing.systemNames += systemName;
}

void sortByName(FolderListing& listing) {
  std::sort(listing.entries.begin(), listing.entries.end(),
            [&listing](const FolderListing::Entry& a, const FolderListing::Entry& b) {
              const int byName = compareText(listing.name(a), listing.name(b));
              if (byName != 0) return byName < 0;
              return compareBytes(listing.systemName(a), listing.systemName(b)) < 0;
            });
}

}  // namespace

FolderLister::FolderLister() : buffer_(std::make_unique<char[]>(kBufferSize)) {}

std::optional<FolderListing> FolderLister::list(const std::string& systemPath) {
  const int folder = ::open(systemPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return std::nullopt;
  FolderListing listing;
  for (;;) {
    const ssize_t filled = ::getdents64(folder, buffer_.get(), kBufferSize);
    if (filled <= 0) break;
    for (size_t at = 0; at < static_cast<size_t>(filled);) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer_.get() + at);
      at += entry->d_reclen;
      addEntry(listing, folder, *entry);
    }
  }
  ::close(folder);
  sortByName(listing);
  return listing;
}

}  // namespace brimlet
