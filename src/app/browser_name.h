// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brimlet {

// A short capitalised browser name from the desktop's default-browser entry
// ("firefox-esr.desktop" -> "Firefox", "org.chromium.Chromium.desktop" ->
// "Chromium", "google-chrome.desktop" -> "Chrome"); "" for nothing usable.
[[nodiscard]] std::string shortBrowserName(std::string_view desktopEntry);

}  // namespace brimlet
