// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/drive_letter.h"

#include "lister/bucket_rewrite.h"

namespace brimlet {
namespace {

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string timeText(const LocalTime& time) {
  return twoDigits(time.hour) + "." + twoDigits(time.minute) + "." + twoDigits(time.second);
}

std::string yearText(int year) { return twoDigits(year / 100) + twoDigits(year % 100); }

}  // namespace

std::string dateText(const LocalTime& time) {
  return yearText(time.year) + "-" + twoDigits(time.month) + "-" + twoDigits(time.day);
}

std::string dateTimeText(const LocalTime& time) {
  return twoDigits(time.day) + "." + twoDigits(time.month) + "." + yearText(time.year) + " " +
         timeText(time);
}

std::string backupPrefix(const LocalTime& time) { return "backup" + dateText(time); }

std::string yesterdayBackupPrefix(const LocalTime& time) {
  return "backup" + dateText(time).substr(0, 8) + twoDigits(time.day - 1);
}

std::string expandTemplate(std::string_view pattern, const LocalTime& time) {
  const size_t first = pattern.find('?');
  const size_t second = first == std::string_view::npos ? first : pattern.find('?', first + 1);
  if (second == std::string_view::npos) return std::string(pattern);
  const std::string date = dateText(time);
  const std::string dayFirst = dateTimeText(time).substr(0, 10);
  std::string stamp;
  switch (pattern[first + 1]) {
    case 'i':
      stamp = date;
      break;
    case 'd':
      stamp = dayFirst;
      break;
    case 't':
      stamp = date + "_" + timeText(time);
      break;
    case 'n':
      stamp = dayFirst + "_" + timeText(time);
      break;
    default:
      break;
  }
  return std::string(pattern.substr(0, first)) + stamp + std::string(pattern.substr(second + 1));
}

RewrittenBuckets changeDriveLetters(std::span<const std::string_view> buckets,
                                    std::string_view prefix, Progress& progress) {
  return rewriteBuckets(buckets, progress, [prefix](std::string_view line, std::string& out, bool) {
    const size_t colon = line.find(':');
    const bool changed = colon != std::string_view::npos;
    if (changed) {
      out += prefix;
      out += line.substr(colon + 1);
    } else {
      out += line;
    }
    out += "\r\n";
    return changed;
  });
}

}  // namespace brimlet
