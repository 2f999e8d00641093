// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browser_name.h"

#include <gtest/gtest.h>

namespace brimlet {
namespace {

TEST(BrowserName, DesktopEntriesBecomeShortNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"firefox-esr.desktop\n", "Firefox"},
      {"chromium.desktop", "Chromium"},
      {"google-chrome.desktop", "Chrome"},
      {"org.gnome.Epiphany.desktop", "Epiphany"},
      {"", ""},
      {"\n", ""},
      {"---.desktop", ""},
  };
  for (const auto& [entry, name] : cases) EXPECT_EQ(shortBrowserName(entry), name) << entry;
}

}  // namespace
}  // namespace brimlet
