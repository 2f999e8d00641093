// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// Appends `bytes` to the file at `path` (the program's Windows-1252 text,
// handed to the system through the file-name codec), creating the file when
// it is missing. Only a regular file is written: a FIFO, device or socket
// there is refused at once, and so is a path holding a NUL. A write that
// fails part-way is cut back, so the file keeps exactly its old content;
// false then.
[[nodiscard]] bool appendToFile(const std::string& path, std::string_view bytes);

}  // namespace brimlet
