// SPDX-License-Identifier: GPL-3.0-or-later
// An imported list: a "dir" listing, a "File name" listing, or any text,
// through the steps an import takes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/progress.h"
#include "lister/list_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (brimlet::isDirListing("dir.txt", text)) {
    text = brimlet::convertDirListing(text);
  } else if (brimlet::isFileNameListing("list.txt", text)) {
    text = std::string(brimlet::fileNameListingBody(text));
  }
  (void)brimlet::recountLines(text);
  brimlet::NoProgress progress;
  (void)brimlet::removeTrailingBlanks(text, progress);
  return 0;
}
