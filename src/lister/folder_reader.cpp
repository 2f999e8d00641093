// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/folder_reader.h"

#include <cerrno>
#include <optional>
#include <vector>

#include "core/file_name_codec.h"
#include "core/folder_listing.h"

namespace brimlet {
namespace {

// A folder being read: its entries, and how far they are taken.
struct Listing {
  // Both without trailing "/": as the program writes it, and as the system
  // knows it. Subfolders are opened by their system bytes, since a name
  // that lost a character in decoding could not be encoded back.
  std::string path;
  std::string systemPath;
  FolderListing folder;
  size_t next = 0;
};

std::optional<Listing> list(std::string path, std::string systemPath, FolderLister& lister,
                            const FolderLog& log) {
  std::optional<FolderListing> folder = lister.list(systemPath.empty() ? "/" : systemPath);
  if (!folder) {
    if (errno != ENOENT) log("-fehler: ordner nicht lesbar: " + path);
    return std::nullopt;
  }
  log("Ordner: " + path);
  return Listing{std::move(path), std::move(systemPath), std::move(*folder)};
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
  FolderLister lister;
  const auto enter = [&](std::string path, std::string systemPath) {
    if (auto listing = list(std::move(path), std::move(systemPath), lister, log)) {
      reading.namesWithLostCharacters += listing->folder.namesWithLostCharacters;
      open.push_back(std::move(*listing));
    }
  };
  // The chosen folder is the user's answer, so the codec finds it; below
  // it every folder is opened by the bytes the system listed.
  enter(folder, encodePath(folder));
  while (!open.empty()) {
    Listing& current = open.back();
    if (current.next == current.folder.entries.size()) {
      open.pop_back();
      continue;
    }
    const FolderListing::Entry entry = current.folder.entries[current.next++];
    const std::string_view name = current.folder.name(entry);
    if (entry.isFolder && !subfoldersAsEntries) {
      std::string subfolder = current.path + "/";
      subfolder += name;
      std::string systemSubfolder = current.systemPath + "/";
      systemSubfolder += current.folder.systemName(entry);
      steps.nameDone();
      enter(std::move(subfolder), std::move(systemSubfolder));
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
