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

// What a log call does besides putting its line on top. Only the main
// window and the workshop have a progress bar; an operation announces itself
// with ShowProgress (the bar shown at 0) and reports its result with
// HideProgress.
enum class LogMode { Line, ShowProgress, HideProgress };

// A window's log as its handlers and the shared routines they call
// (clipboard, file choice) see it. Each window reports into its own log, so
// a result lands where its operation was started even when another window
// is shown (brimlet-cli drives windows it never shows).
class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void log(std::string_view message, LogMode mode) = 0;
  // A line for the main window's log, whichever window asked.
  virtual void mainLog(std::string_view message) = 0;
  // The result sentence of an operation into this log.
  void report(LogMode mode, int64_t count, std::string_view noun, std::string_view suffix) {
    log(reportSentence(count, noun, suffix), mode);
  }
};

}  // namespace brimlet
