// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/settings.h"

namespace brimlet {

// The settings file "Brimlet_set.txt": the three sections "brimlet",
// "quorvel", "dremmick" of key text + digit lines (Windows-1252, CR LF),
// each section after the first preceded by an empty line, then one line per
// non-empty remembered string, wrapped in its marker.
[[nodiscard]] std::string settingsFileText(const Settings& settings);

// Far past anything the settings dialog and the remembered fields can
// store; a larger file is read up to here, so a stray huge file cannot
// take the program's memory at start.
inline constexpr size_t kMaxSettingsFileBytes = size_t{16} << 20;

// Reads values by position, not by key: the n-th line containing "=" after
// a section header sets the section's n-th setting to the line's last
// character as a digit (0 for any other character). A section ends at the
// first line without "=" after a value line; a missing header keeps that
// section's values. Remembered strings are found by their markers anywhere
// in the text. Only CR-terminated lines count.
void parseSettingsFile(std::string_view text, Settings& settings);

}  // namespace brimlet
