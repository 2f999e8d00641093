#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

enum class ReadStatus { Ok, Missing, IsFolder, Unreadable };

struct FileRead {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
};

// Paths are the program's Windows-1252 text; each function hands the system
// the file-name codec's form of it.

// Reads a file whole, byte for byte.
[[nodiscard]] FileRead readWholeFile(const std::string& path);

[[nodiscard]] bool fileExists(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` only when the whole write succeeded, so a failed write leaves the
// old file as it was. A new file gets the usual permissions (0666 less the
// umask); a replaced file keeps its own.
[[nodiscard]] bool writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace brimlet
