// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform.h"
#include "core/progress.h"
#include "lister/bucket_rewrite.h"

namespace brimlet {

// The two date texts the new prefixes are stamped with. The date is year
// first and ends with the day ("2026-12-07"); the date and time is day
// first ("07.12.2026 08.09.10"). Neither holds a ":", so a stamped prefix
// cuts at the same place when the change runs again.
[[nodiscard]] std::string dateText(const LocalTime& time);
[[nodiscard]] std::string dateTimeText(const LocalTime& time);

// "backup" + today's date; "backup" + yesterday's date within this month
// (the day before the first is not offered).
[[nodiscard]] std::string backupPrefix(const LocalTime& time);
[[nodiscard]] std::string yesterdayBackupPrefix(const LocalTime& time);

// The first "?x?" of a template replaced by the stamp its code letter x
// names: i date, d date (day first), t date + "_" + time, n date (day
// first) + "_" + time; any other letter by nothing. A template without two
// "?" is the prefix as it stands.
//   "D:\Backups\?i?" -> "D:\Backups\2026-12-07"
[[nodiscard]] std::string expandTemplate(std::string_view pattern, const LocalTime& time);

// Replaces the drive part (up to and including the first ":") of every
// line that has one by `prefix`; other lines stay. Returns the lines
// changed.   "E:\Musik\a.mp3" with "F:" -> "F:\Musik\a.mp3"
[[nodiscard]] RewrittenBuckets changeDriveLetters(std::span<const std::string_view> buckets,
                                                  std::string_view prefix, Progress& progress);

}  // namespace brimlet
