// SPDX-License-Identifier: GPL-3.0-or-later
// A block on the clipboard, pasted into the main window (and sorted by each
// of its modes) and into the workshop.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "cli/scripted_platform.h"
#include "program/program.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string home = [] {
    std::string folder = (std::filesystem::temp_directory_path() / "brimlet-fuzz-XXXXXX").string();
    return std::string(::mkdtemp(folder.data())) + "/";
  }();
  brimlet::ScriptedPlatform platform;
  brimlet::Program program(platform, home);
  program.start();
  const std::string block(reinterpret_cast<const char*>(data), size);
  for (int32_t mode = 0; mode < 3; ++mode) {
    program.session().settings[brimlet::Setting::Sortieren] = mode;
    platform.clipboard = block;
    program.main().invoke("main_pst_Click");
    program.main().invoke("main_remp_Click");
    program.main().invoke("main_remx_Click");
  }
  program.showTool(brimlet::Tool::Workshop);
  platform.clipboard = block;
  program.workshop().invoke("qvl_pst_Click");
  return 0;
}
