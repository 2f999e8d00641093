#include "lister/folder_reader.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace brimlet {
namespace {

// The names of one folder, read before any of them is processed (as the
// listing is taken whole, entries created meanwhile do not join it).
struct Listing {
  std::string path;  // without trailing "/"
  std::string names;  // all names, back to back
  struct Entry {
    size_t offset;
    size_t length;
    bool isFolder;
  };
  std::vector<Entry> entries;
  size_t next = 0;

  [[nodiscard]] std::string_view name(const Entry& entry) const {
    return std::string_view(names).substr(entry.offset, entry.length);
  }
};

bool isFolder(const dirent& entry, const std::string& path) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_UNKNOWN) return false;
  // Only file systems that leave the type open cost a stat call.
  struct stat status {};
  const std::string full = path + "/" + entry.d_name;
  return ::lstat(full.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::optional<Listing> list(std::string path, const FolderLog& log) {
  DIR* folder = ::opendir(path.empty() ? "/" : path.c_str());
  if (folder == nullptr) {
    if (errno != ENOENT) log("-fehler: ordner nicht lesbar: " + path);
    return std::nullopt;
  }
  Listing listing;
  listing.path = std::move(path);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    listing.entries.push_back({listing.names.size(), name.size(), isFolder(*entry, listing.path)});
    listing.names += name;
  }
  ::closedir(folder);
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
  if (auto start = list(folder, log)) open.push_back(std::move(*start));
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
      steps.nameDone();
      if (auto sub = list(std::move(subfolder), log)) open.push_back(std::move(*sub));
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
