// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/folder_reader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "core/file_name_codec.h"

namespace brimlet {
namespace {

// The names of one folder, read before any of them is processed (as the
// listing is taken whole, entries created meanwhile do not join it).
struct Listing {
  // Both without trailing "/": as the program writes it, and as the system
  // knows it. Subfolders are opened by their system bytes, since a name
  // that lost a character in decoding could not be encoded back.
  std::string path;
  std::string systemPath;
  std::string names;        // decoded, back to back
  std::string systemNames;  // folders' system names, back to back
  struct Entry {
    size_t offset;
    size_t length;
    size_t systemOffset;  // folders only
    size_t systemLength;
    bool isFolder;
  };
  std::vector<Entry> entries;
  size_t next = 0;

  [[nodiscard]] std::string_view name(const Entry& entry) const {
    return std::string_view(names).substr(entry.offset, entry.length);
  }
  [[nodiscard]] std::string_view systemName(const Entry& entry) const {
    return std::string_view(systemNames).substr(entry.systemOffset, entry.systemLength);
  }
};

bool isPrintableAscii(std::string_view name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool isFolder(const dirent64& entry, const std::string& systemPath) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_UNKNOWN) return false;
  // Only file systems that leave the type open cost a stat call.
  struct stat status {};
  const std::string full = systemPath + "/" + entry.d_name;
  return ::lstat(full.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The system's records of a folder's entries, read straight into one buffer
// for every folder: the C library's folder stream would allocate its own
// buffer and look the folder up once more for each one.
class EntryBuffer {
 public:
  EntryBuffer() : bytes_(std::make_unique<char[]>(kSize)) {}

  // Calls `take` for every entry of the open folder `fd`.
  template <class Take>
  void readAll(int fd, Take&& take) {
    for (;;) {
      const ssize_t filled = ::getdents64(fd, bytes_.get(), kSize);
      if (filled <= 0) return;
      for (size_t at = 0; at < static_cast<size_t>(filled);) {
        const auto* entry = reinterpret_cast<const dirent64*>(bytes_.get() + at);
        at += entry->d_reclen;
        take(*entry);
      }
    }
  }

 private:
  static constexpr size_t kSize = size_t{1} << 16;
  std::unique_ptr<char[]> bytes_;
};

std::optional<Listing> list(std::string path, std::string systemPath, EntryBuffer& buffer,
                            const FolderLog& log) {
  const int folder =
      ::open(systemPath.empty() ? "/" : systemPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) {
    if (errno != ENOENT) log("-fehler: ordner nicht lesbar: " + path);
    return std::nullopt;
  }
  Listing listing;
  listing.path = std::move(path);
  listing.systemPath = std::move(systemPath);
  buffer.readAll(folder, [&listing](const dirent64& entry) {
    const std::string_view systemName = entry.d_name;
    if (systemName == "." || systemName == "..") return;
    const size_t offset = listing.names.size();
    if (isPrintableAscii(systemName)) {
      listing.names += systemName;  // most names: the same bytes in both encodings
    } else {
      listing.names += decodeFileName(systemName);
    }
    const bool folderEntry = isFolder(entry, listing.systemPath);
    listing.entries.push_back({offset, listing.names.size() - offset, listing.systemNames.size(),
                               folderEntry ? systemName.size() : 0, folderEntry});
    if (folderEntry) listing.systemNames += systemName;
  });
  ::close(folder);
  log("Ordner: " + listing.path);
  return listing;
}

class ProgressSteps {
 public:
  explicit ProgressSteps(Progress& progress) : progress_(progress) { progress_.setMaximum(100); }

  void entryAdded(int64_t entries) {
    if (entries % 500 == 0) {
      value_ = 0;
    } else if (entries % 50 == 0) {
      value_ += 11;
    }
  }
  void nameDone() { progress_.setValue(value_); }

 private:
  Progress& progress_;
  int64_t value_ = 0;
};

}  // namespace

FolderReading readFolder(const std::string& folder, bool subfoldersAsEntries, Progress& progress,
                         const FolderLog& log) {
  FolderReading reading;
  if (!folder.empty() && !folder.starts_with('/')) return reading;
  ProgressSteps steps(progress);
  // Open folders from the start folder down to the one being read; depth
  // is bounded by the path length, not by the call stack.
  std::vector<Listing> open;
  EntryBuffer buffer;
  if (auto start = list(folder, encodePath(folder), buffer, log)) open.push_back(std::move(*start));
  while (!open.empty()) {
    Listing& current = open.back();
    if (current.next == current.entries.size()) {
      open.pop_back();
      continue;
    }
    const Listing::Entry entry = current.entries[current.next++];
    const std::string_view name = current.name(entry);
    if (entry.isFolder && !subfoldersAsEntries) {
      std::string subfolder = current.path + "/";
      subfolder += name;
      std::string systemSubfolder = current.systemPath + "/";
      systemSubfolder += current.systemName(entry);
      steps.nameDone();
      if (auto sub = list(std::move(subfolder), std::move(systemSubfolder), buffer, log)) {
        open.push_back(std::move(*sub));
      }
      continue;
    }
    reading.list += current.path;
    reading.list += '/';
    reading.list += name;
    reading.list += "\r\n";
    steps.entryAdded(++reading.entries);
    steps.nameDone();
  }
  return reading;
}

}  // namespace brimlet
