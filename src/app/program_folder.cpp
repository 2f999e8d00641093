// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/file_name_codec.h"

namespace brimlet {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string executableFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return withTrailingSlash(exe.parent_path().string());
}

bool isInstalled(const std::string& exeFolder) {
  std::error_code ignored;
  return std::filesystem::is_directory(withTrailingSlash(exeFolder) + "../share/brimlet", ignored);
}

std::string chooseProgramFolder(const std::string& homeOption, const std::string& exeFolder) {
  std::string folder;
  if (!homeOption.empty()) {
    folder = homeOption;
  } else if (!exeFolder.empty() && ::access(exeFolder.c_str(), W_OK) == 0 &&
             !isInstalled(exeFolder)) {
    return decodePath(withTrailingSlash(exeFolder));
  } else if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config) {
    folder = std::string(config) + "/brimlet";
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home != nullptr ? home : ".") + "/.config/brimlet";
  }
  std::error_code ignored;  // a folder that cannot be made shows up as failed writes later
  std::filesystem::create_directories(folder, ignored);
  return decodePath(withTrailingSlash(folder));
}

}  // namespace brimlet
