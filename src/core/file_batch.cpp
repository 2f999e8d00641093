// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brimlet {
namespace {

// What files of one folder share: their path up to the last "/".
std::string folderKey(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

}  // namespace

void FileBatch::add(const std::string& systemPath, std::string_view bytes) {
  Entry entry{systemPath, {}};
  switch (stageSystemFile(systemPath, bytes, entry.staged)) {
    case StageResult::Staged:
      break;
    case StageResult::Written:
      outcome_(systemPath, true);
      return;
    case StageResult::Failed:
      outcome_(systemPath, false);
      return;
  }
  struct stat info {};
  bool kept = ::fstat(entry.staged.fd, &info) == 0;
  if (kept && !fileSystems_.contains(info.st_dev)) {
    const std::string folder = folderKey(entry.staged.target);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    kept = fd >= 0;
    if (kept) fileSystems_.emplace(info.st_dev, fd);
  }
  // Closed at once, so that a batch holds no descriptor for each file.
  if (!kept || !closeStaged(entry.staged)) {
    discardStaged(entry.staged);
    outcome_(systemPath, false);
    return;
  }
  stagedBytes_ += bytes.size();
  staged_.push_back(std::move(entry));
  if (staged_.size() >= kFilesPerBatch || stagedBytes_ >= kBytesPerBatch) commit();
}

void FileBatch::commit() {
  // One flush of each file system for the whole batch: a flush of each file
  // makes the disk empty its cache once a file, which is where the time of
  // many small files goes.
  bool flushed = true;
  for (const auto& [device, fd] : fileSystems_) {
    flushed = ::syncfs(fd) == 0 && flushed;
    ::close(fd);
  }
  fileSystems_.clear();
  // A folder -> one of its files, then whether the folder's flush worked.
  std::map<std::string, std::string> folderFile;
  std::map<std::string, bool> folderFlushed;
  std::vector<bool> placed(staged_.size());
  for (size_t i = 0; i < staged_.size(); ++i) {
    StagedFile& staged = staged_[i].staged;
    if (!flushed) {
      discardStaged(staged);
      continue;
    }
    placed[i] = placeStaged(staged);
    if (placed[i]) folderFile.emplace(folderKey(staged.target), staged.target);
  }
  for (const auto& [folder, file] : folderFile) folderFlushed[folder] = flushFolderOf(file);
  for (size_t i = 0; i < staged_.size(); ++i) {
    outcome_(staged_[i].path, placed[i] && folderFlushed[folderKey(staged_[i].staged.target)]);
  }
  staged_.clear();
  stagedBytes_ = 0;
}

void FileBatch::abandon() {
  for (Entry& entry : staged_) discardStaged(entry.staged);
  staged_.clear();
  stagedBytes_ = 0;
  for (const auto& [device, fd] : fileSystems_) ::close(fd);
  fileSystems_.clear();
}

}  // namespace brimlet
