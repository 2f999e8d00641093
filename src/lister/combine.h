// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brimlet {

// The files of one folder joined byte for byte into the folder's file
// `outputName`, in name order (see FolderListing), with nothing between
// them. Each file is read by the bytes the system listed, so a name shown
// with '?' still reads its own file and a real "?.txt" beside it its own.
//
// Only regular files take part (links to them included): subfolders,
// devices and pipes are never read. The output is known by what it is, not
// by how it is named: the entry of that name and every entry that is the
// same file (a link to it, another hard link) are left out, so no run
// swallows an earlier result. The output name is then replaced as a name:
// a link standing there is replaced, never written through, so no input
// changes, and the file it led to is combined like any other.
enum class CombineStatus { Written, FolderUnreadable, BadName, WriteFailed };
struct Combination {
  CombineStatus status = CombineStatus::FolderUnreadable;
  int64_t files = 0;                    // files joined
  std::vector<std::string> unreadable;  // files skipped because reading failed
};

// `folder` ends with "/"; paths and names are the program's text. A name
// that is not one entry of the folder (see isSingleName) is refused before
// anything is read or written.
[[nodiscard]] Combination combineFolder(const std::string& folder, const std::string& outputName);

}  // namespace brimlet
