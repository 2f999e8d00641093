// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brimlet {

// The entries of one folder ("." and ".." left out) in name order: the
// program's text order of their display names, and where two display names
// are equal (characters lost in decoding: "日.txt" beside a real "?.txt"),
// the order of their system bytes. Each entry keeps the system's own bytes
// beside its display name, and only those lead back to it.
struct FolderListing {
  struct Entry {
    size_t offset;
    size_t length;
    size_t systemOffset;
    size_t systemLength;
    bool isFolder;  // a real folder; a link to one is an entry like a file
  };
  std::string names;        // display names (decodeFileName), back to back
  std::string systemNames;  // the system's bytes, back to back
  std::vector<Entry> entries;
  // Names with a character that decoding turned into '?'.
  int64_t namesWithLostCharacters = 0;

  [[nodiscard]] std::string_view name(const Entry& entry) const {
    return std::string_view(names).substr(entry.offset, entry.length);
  }
  [[nodiscard]] std::string_view systemName(const Entry& entry) const {
    return std::string_view(systemNames).substr(entry.systemOffset, entry.systemLength);
  }
};

// Lists folders one after the other through one buffer: the C library's
// folder stream would allocate its own for every folder and look each
// entry's folder up once more.
class FolderLister {
 public:
  FolderLister();

  // The listing as the folder stands when it is opened (entries created
  // meanwhile may be missing); nullopt when it cannot be opened, with errno
  // telling why. `systemPath` is in the system's bytes.
  [[nodiscard]] std::optional<FolderListing> list(const std::string& systemPath);

 private:
  std::unique_ptr<char[]> buffer_;
};

}  // namespace brimlet
