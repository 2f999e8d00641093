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

std::string reportSentence(int64_t count, std::string_view noun, std::string_view suffix) {
  if (count == 0) return "keine " + std::string(noun) + " vorhanden";
  if (count > 0) return decimal(count) + " " + std::string(noun) + std::string(suffix);
  return std::string(suffix);
}

}  // namespace brimlet
