// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace brimlet {

// Saves many files with writeWholeFile's promise (each text is on disk
// before it replaces the old file) without its cost of two flushes a file:
// the texts of a batch are written to temporary files, each file system
// they lie on is flushed once, then they are renamed and each folder is
// flushed once. Files are reported through `outcome` when their batch is
// placed; whatever is still staged when the batch is abandoned (or
// destroyed) is removed, leaving those files as they were.
class FileBatch {
 public:
  using Outcome = std::function<void(const std::string& systemPath, bool written)>;
  explicit FileBatch(Outcome outcome) : outcome_(std::move(outcome)) {}
  ~FileBatch() { abandon(); }
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;

  void add(const std::string& systemPath, std::string_view bytes);
  // Flushes, places and reports every staged file.
  void commit();
  void abandon();

 private:
  // Bounds for one batch: the text at risk in the page cache, and the time
  // one flush of a busy file system takes against the files it covers.
  static constexpr size_t kFilesPerBatch = 1000;
  static constexpr size_t kBytesPerBatch = size_t{64} << 20;

  struct Entry {
    std::string path;
    StagedFile staged;
  };
  // An open folder on each file system the batch writes to, to flush it by.
  std::map<dev_t, int> fileSystems_;
  Outcome outcome_;
  std::vector<Entry> staged_;
  size_t stagedBytes_ = 0;
};

}  // namespace brimlet
