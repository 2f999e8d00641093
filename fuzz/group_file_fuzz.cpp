// SPDX-License-Identifier: GPL-3.0-or-later
// The group file as the program finds it at start, and the table and group
// sort built from it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/extension_groups.h"
#include "core/progress.h"
#include "lister/group_sort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  brimlet::ExtensionGroups groups;
  (void)brimlet::parseGroupFile(text, groups);
  brimlet::rebuildExtensionTable(groups);
  brimlet::NoProgress progress;
  (void)brimlet::groupSort("C:\\a\\b.mp3\r\nc.JPG\r\nkeine\r\n.\r\n", groups.table, progress, {});
  return 0;
}
