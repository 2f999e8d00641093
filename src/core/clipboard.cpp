// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clipboard.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/lines.h"

namespace brimlet {
namespace {

void say(Reporter& reporter, std::string_view message) {
  reporter.report(LogMode::Line, -1, {}, message);
}

}  // namespace

std::optional<std::string> clipboardPaste(Platform& platform, Reporter& reporter) {
  ClipboardRead read = platform.readClipboard();
  switch (read.status) {
    case ClipboardStatus::OpenFailed:
      say(reporter, "fehler bei clippaste");
      return std::nullopt;
    case ClipboardStatus::NoText:
      say(reporter, "keine textdaten im clipboard");
      return std::nullopt;
    case ClipboardStatus::OutOfMemory:
      say(reporter, "speicherfehler bei clippaste");
      return std::nullopt;
    case ClipboardStatus::Ok:
      break;
  }
  say(reporter, cp("daten aus dem clipboard eingefügt"));
  return std::move(read.block);
}

bool clipboardCopy(Platform& platform, Reporter& reporter, std::string_view block) {
  if (block.empty()) {
    say(reporter, cp("keine daten fürs clipboard"));
    return false;
  }
  if (!platform.writeClipboard(block)) {
    say(reporter, "fehler bei clipcopy");
    return false;
  }
  return true;
}

void clipboardClear(Platform& platform, Reporter& reporter) {
  if (!platform.clearClipboard()) reporter.mainLog("fehler bei clrclip");
}

bool putTextOnClipboard(Platform& platform, Reporter& reporter, std::string_view text) {
  clipboardClear(platform, reporter);
  std::string block(text);
  block += '\0';
  return clipboardCopy(platform, reporter, block);
}

std::string textFromOtherPrograms(std::string_view text) { return lfToCrLf(text); }

std::string textForOtherPrograms(std::string_view block) {
  return crLfToLf(block.substr(0, block.find('\0')));
}

}  // namespace brimlet
