// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/log.h"

#include <cstdio>

#include "core/number.h"

namespace brimlet {

std::string clockText(const LocalTime& time) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.hour % 100, time.minute % 100,
                time.second % 100);
  return buffer;
}

void addLogLine(Control& logBox, const LocalTime& time, std::string_view message) {
  std::string line = clockText(time);
  line.reserve(line.size() + 4 + message.size());
  line += ": ";
  line += message;
  line += "\r\n";
  logBox.addLineOnTop(line);
}

void addLogLines(Control& logBox, const LocalTime& time, int64_t count,
                 const std::function<std::string(int64_t)>& message) {
  const std::string prefix = clockText(time) + ": ";
  size_t bytes = 0;
  for (int64_t i = 0; i < count; ++i) bytes += prefix.size() + message(i).size() + 2;
  logBox.addBlockOnTop(bytes, [&](std::string& lines) {
    for (int64_t i = count; i-- > 0;) {
      lines += prefix;
      lines += message(i);
      lines += "\r\n";
    }
  });
}

std::string reportSentence(int64_t count, std::string_view noun, std::string_view suffix) {
  if (count == 0) return "keine " + std::string(noun) + " vorhanden";
  if (count > 0) return decimal(count) + " " + std::string(noun) + std::string(suffix);
  return std::string(suffix);
}

}  // namespace brimlet
