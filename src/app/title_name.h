// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// Window titles name a file by its last 59 characters, so a long path still
// shows its file name.
[[nodiscard]] inline std::string titleName(std::string_view name) {
  constexpr size_t kShown = 59;
  return std::string(name.size() > kShown ? name.substr(name.size() - kShown) : name);
}

}  // namespace brimlet
