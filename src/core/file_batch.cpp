// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_batch.h"

#include <fcntl.h>

#include <map>

namespace brimlet {
namespace {

// What files of one folder share: their path up to the last "/".
std::string folderKey(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

}  // namespace

void FileBatch::add(const std::string& systemPath, std::string_view bytes) {
  Entry entry{systemPath, {}};
  switch (stageSystemFile(systemPath, bytes, entry.staged)) {
    case StageResult::Staged:
      staged_.push_back(std::move(entry));
      if (staged_.size() >= filesPerBatch_) commit();
      return;
    case StageResult::Written:
      outcome_(systemPath, true);
      return;
    case StageResult::Failed:
      outcome_(systemPath, false);
      return;
  }
}

void FileBatch::commit() {
  // Starting the write-out of every file before waiting for any lets the
  // disk take the whole batch in one go; the waits then find most of it
  // done.
  for (const Entry& entry : staged_) {
    ::sync_file_range(entry.staged.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  }
  std::vector<bool> placed(staged_.size());
  // A folder -> one of its files, then whether the folder's flush worked.
  std::map<std::string, std::string> folderFile;
  std::map<std::string, bool> folderFlushed;
  for (size_t i = 0; i < staged_.size(); ++i) {
    StagedFile& staged = staged_[i].staged;
    if (!flushStaged(staged)) {
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
}

void FileBatch::abandon() {
  for (Entry& entry : staged_) discardStaged(entry.staged);
  staged_.clear();
}

}  // namespace brimlet
