// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_identity.h"

namespace brimlet {

FileIdentity identityOf(const struct stat& info) { return {info.st_dev, info.st_ino}; }

std::optional<FileIdentity> identityOf(const std::string& systemPath, LinkRule links) {
  struct stat info {};
  const int found = links == LinkRule::Follow ? ::stat(systemPath.c_str(), &info)
                                              : ::lstat(systemPath.c_str(), &info);
  if (found != 0) return std::nullopt;
  return identityOf(info);
}

}  // namespace brimlet
