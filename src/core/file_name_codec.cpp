// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_name_codec.h"

#include <sys/stat.h>

#include <algorithm>

#include "core/cp1252.h"

namespace brimlet {
namespace {

bool isAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool exists(const std::string& systemPath) {
  struct stat info {};
  return ::lstat(systemPath.c_str(), &info) == 0;
}

// The system bytes of one component, given the system bytes of the folder
// it lies in ("" for a relative path's start, "/" ... for the rest).
std::string encodeComponent(const std::string& systemFolder, std::string_view component) {
  if (isAscii(component)) return std::string(component);
  std::string utf8 = toUtf8(component);
  // A component that is not valid UTF-8 came from a name taken byte for
  // byte; it is the right one only when the UTF-8 form is not there.
  if (!isValidUtf8(component) && !exists(systemFolder + utf8) &&
      exists(systemFolder + std::string(component))) {
    return std::string(component);
  }
  return utf8;
}

}  // namespace

std::string decodeFileName(std::string_view systemName) {
  std::string name = isValidUtf8(systemName) ? cp(systemName) : std::string(systemName);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, '?');
  return name;
}

bool decodesWithoutLoss(std::string_view systemName) {
  if (systemName.find_first_of("\r\n") != std::string_view::npos) return false;
  return !isValidUtf8(systemName) || cp1252FromUtf8(systemName).has_value();
}

bool isSingleName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::string decodePath(std::string_view systemPath) {
  std::string path;
  path.reserve(systemPath.size());
  for (size_t start = 0;;) {
    const size_t slash = systemPath.find('/', start);
    path += decodeFileName(systemPath.substr(start, slash - start));
    if (slash == std::string_view::npos) break;
    path += '/';
    start = slash + 1;
  }
  return path;
}

std::string encodePath(std::string_view path) {
  if (isAscii(path)) return std::string(path);
  std::string systemPath;
  systemPath.reserve(path.size() + path.size() / 2);
  for (size_t start = 0;;) {
    const size_t slash = path.find('/', start);
    systemPath += encodeComponent(systemPath, path.substr(start, slash - start));
    if (slash == std::string_view::npos) break;
    systemPath += '/';
    start = slash + 1;
  }
  return systemPath;
}

}  // namespace brimlet
