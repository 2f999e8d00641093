// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/control.h"
#include "core/platform.h"

namespace brimlet {

// "HH:MM:SS", 24-hour clock, two digits each.
[[nodiscard]] std::string clockText(const LocalTime& time);

// Puts "HH:MM:SS: " + message + CR LF on top of a log box.
void addLogLine(Control& logBox, const LocalTime& time, std::string_view message);

// The same for message(0) to message(count - 1) in that order, with one
// time for all of them, as one block: millions of lines cost their bytes
// once, without a copy or a start position each.
void addLogLines(Control& logBox, const LocalTime& time, int64_t count,
                 const std::function<std::string(int64_t)>& message);

// The result sentence of every operation:
//   count 0  -> "keine " + noun + " vorhanden"
//   count >0 -> count + " " + noun + suffix
//   count <0 -> suffix alone
[[nodiscard]] std::string reportSentence(int64_t count, std::string_view noun,
                                         std::string_view suffix);

// Where the shared routines (clipboard, list helpers) send their messages.
// The program routes a report to the log of the visible tool window.
class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void report(int mode, int64_t count, std::string_view noun, std::string_view suffix) = 0;
  virtual void mainLog(std::string_view message, int mode) = 0;
};

}  // namespace brimlet
