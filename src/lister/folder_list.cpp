// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/folder_list.h"

#include "lister/bucket_rewrite.h"

namespace brimlet {

RewrittenBuckets makeFolderList(std::span<const std::string_view> buckets, Progress& progress) {
  std::string_view previous;
  return rewriteBuckets(buckets, progress,
                        [&previous](std::string_view line, std::string& out, bool bucketBegins) {
                          if (bucketBegins) previous = {};
                          const size_t separator = line.find_last_of("\\/");
                          if (separator == std::string_view::npos) return false;
                          const std::string_view folder = line.substr(0, separator + 1);
                          if (folder == previous) return false;
                          previous = folder;
                          out += folder;
                          out += "\r\n";
                          return true;
                        });
}

}  // namespace brimlet
