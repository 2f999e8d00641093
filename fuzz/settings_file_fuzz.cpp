// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the program finds it at start: any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  brimlet::Settings settings;
  brimlet::parseSettingsFile(text, settings);
  // What was read must write and read back to the same settings.
  brimlet::Settings again;
  brimlet::parseSettingsFile(brimlet::settingsFileText(settings), again);
  if (brimlet::settingsFileText(again) != brimlet::settingsFileText(settings)) __builtin_trap();
  return 0;
}
