// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <compare>
#include <optional>
#include <string>

namespace brimlet {

// A file by device and inode: what no second name for it (a link, a hard
// link, "./x") can hide.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;

  friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

[[nodiscard]] FileIdentity identityOf(const struct stat& info);

// Whether a symbolic link at the name counts as the file it leads to or as
// itself (a name about to be replaced, link and all).
enum class LinkRule { Follow, Itself };

// What `systemPath` (the system's bytes) names; nullopt when nothing is
// there or it cannot be looked at.
[[nodiscard]] std::optional<FileIdentity> identityOf(const std::string& systemPath,
                                                     LinkRule links = LinkRule::Follow);

}  // namespace brimlet
