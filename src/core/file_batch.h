// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace brimlet {

// Saves many files with writeWholeFile's promise (each text is on disk
// before it replaces the old file) without its cost of two flushes a file:
// the texts of a batch are written out together, then renamed, then each
// folder is flushed once. Files are reported through `outcome` when their
// batch is placed; whatever is still staged when the batch is abandoned (or
// destroyed) is removed, leaving those files as they were.
class FileBatch {
 public:
  using Outcome = std::function<void(const std::string& systemPath, bool written)>;
  explicit FileBatch(Outcome outcome, size_t filesPerBatch = kFilesPerBatch)
      : outcome_(std::move(outcome)), filesPerBatch_(filesPerBatch) {}
  ~FileBatch() { abandon(); }
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;

  void add(const std::string& systemPath, std::string_view bytes);
  // Flushes, places and reports every staged file.
  void commit();
  void abandon();

  // Open files per batch, well below the usual limit of 1024 descriptors.
  static constexpr size_t kFilesPerBatch = 256;

 private:
  struct Entry {
    std::string path;
    StagedFile staged;
  };
  Outcome outcome_;
  size_t filesPerBatch_;
  std::vector<Entry> staged_;
};

}  // namespace brimlet
