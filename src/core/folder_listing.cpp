// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folder_listing.h"

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

// Up to eight weights from `at` on as one number, the first in the highest
// byte. Past the name's end comes 0, which no weight is (names hold no NUL),
// so a shorter name still sorts before a longer one it begins.
uint64_t packedWeights(std::string_view weights, size_t at) {
  uint64_t packed = 0;
  for (size_t i = 0; i < 8; ++i) {
    const size_t position = at + i;
    const auto weight =
        position < weights.size() ? static_cast<unsigned char>(weights[position]) : 0u;
    packed = (packed << 8) | weight;
  }
  return packed;
}

// The order of compareText, made cheap for folders whose names share a long
// start ("Album - 01 ...", "IMG_2024..."): each name's collation weights are
// looked up once, and the eight weights after the start all names share
// decide most comparisons as one number.
void sortByName(FolderListing& listing) {
  if (listing.entries.size() < 2) return;
  const auto& table = collationWeights();
  std::string weights(listing.names.size(), '\0');
  std::transform(listing.names.begin(), listing.names.end(), weights.begin(), [&table](char c) {
    return static_cast<char>(table[static_cast<unsigned char>(c)]);
  });
  const auto weightsOf = [&weights](const FolderListing::Entry& entry) {
    return std::string_view(weights).substr(entry.offset, entry.length);
  };
  const std::string_view first = weightsOf(listing.entries.front());
  size_t shared = first.size();
  for (const FolderListing::Entry& entry : listing.entries) {
    const std::string_view other = weightsOf(entry).substr(0, shared);
    shared = static_cast<size_t>(std::mismatch(other.begin(), other.end(), first.begin()).first -
                                 other.begin());
  }
  struct Keyed {
    uint64_t key;
    FolderListing::Entry entry;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(listing.entries.size());
  for (const FolderListing::Entry& entry : listing.entries) {
    keyed.push_back({packedWeights(weightsOf(entry), shared), entry});
  }
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    if (a.key != b.key) return a.key < b.key;
    if (const int r = compareBytes(weightsOf(a.entry), weightsOf(b.entry)); r != 0) return r < 0;
    if (const int r = compareBytes(listing.name(a.entry), listing.name(b.entry)); r != 0)
      return r < 0;
    return compareBytes(listing.systemName(a.entry), listing.systemName(b.entry)) < 0;
  });
  for (size_t i = 0; i < keyed.size(); ++i) listing.entries[i] = keyed[i].entry;
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
