// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/progress.h"

namespace brimlet {

struct LocalTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// One file dialog. Texts are Windows-1252; the filter is written as
// "Text-Dateien| *.txt;*.asc|Alle Dateien| *.*" (description, patterns, ...).
struct FileDialog {
  std::string title;
  std::string filter;
  std::string folder;
  std::string fileName;
  std::string defaultExtension;
};

enum class ClipboardStatus { Ok, OpenFailed, NoText, OutOfMemory };

struct ClipboardRead {
  ClipboardStatus status = ClipboardStatus::NoText;
  // The whole block as the clipboard holds it: the text, its terminating
  // NUL and whatever follows inside the block.
  std::string block;
};

// Everything the models ask of the desktop. The Qt windows implement it with
// real dialogs; brimlet-cli and the tests answer from a script.
class Platform {
 public:
  virtual ~Platform() = default;

  // Lets pending window events run. Called often inside long loops; an
  // implementation decides how often it really does work.
  virtual void pumpEvents() = 0;
  // Whether the user asked, while events ran, to stop the running handler
  // (Esc, or closing a window). Each handler starts without a request.
  [[nodiscard]] virtual bool cancelRequested() const { return false; }
  // A cancel point of a long loop: lets events run, then stops the handler
  // with OperationCancelled when the user asked for that meanwhile. Plain
  // pumpEvents is for the few places that must not stop half-way.
  void pumpEventsOrCancel() {
    pumpEvents();
    if (cancelRequested()) throw OperationCancelled{};
  }
  // Busy pointer on, operation controls greyed (and back).
  virtual void setBusy(bool busy) = 0;

  // A folder with a trailing "/", "" when cancelled, "Error" when the choice
  // has no file-system path.
  [[nodiscard]] virtual std::string chooseFolder(const std::string& title,
                                                 const std::string& preselected) = 0;
  // nullopt when cancelled.
  [[nodiscard]] virtual std::optional<std::string> chooseFileToOpen(const FileDialog& dialog) = 0;
  [[nodiscard]] virtual std::optional<std::string> chooseFileToSave(const FileDialog& dialog) = 0;
  [[nodiscard]] virtual std::optional<std::string> inputBox(const std::string& title,
                                                            const std::string& prompt,
                                                            const std::string& preset) = 0;
  // OK/Cancel message box; "|" separates the lines of the text. true for OK.
  // Cancel is the default button: Enter never agrees by accident.
  [[nodiscard]] virtual bool confirm(const std::string& title, const std::string& text) = 0;
  // A message box with a stop icon and only an OK button.
  virtual void showStop(const std::string& title, const std::string& text) = 0;
  // A message box with OK alone, for a failure the user must see although
  // the window that would log it is closing; "|" separates lines.
  virtual void warn(const std::string& title, const std::string& text) = 0;
  // Items separated by "|": "-" alone is a separator, a leading "-" greys an
  // item, a leading "+" ticks it. Returns the chosen 0-based position or -1.
  [[nodiscard]] virtual int popupMenu(const std::string& items) = 0;

  [[nodiscard]] virtual ClipboardRead readClipboard() = 0;
  // Puts a block (text + NUL + ...) on the clipboard; false when it failed.
  [[nodiscard]] virtual bool writeClipboard(std::string_view block) = 0;
  [[nodiscard]] virtual bool clearClipboard() = 0;

  // Opens a URL or a local file with the desktop's default handler and
  // hands `outcome` once whether a program took it. The answer may come
  // after the call returns (the opener has to run first), but the window
  // never waits for the program that was started.
  virtual void openExternally(const std::string& target,
                              std::function<void(bool opened)> outcome) = 0;
  // Short name of the default web browser, "" when unknown.
  [[nodiscard]] virtual std::string defaultBrowserName() = 0;

  [[nodiscard]] virtual LocalTime now() = 0;
  // Uniform in [0, 1).
  [[nodiscard]] virtual double random() = 0;
  virtual void seedRandom(uint32_t seed) = 0;
  // Re-seeds the generator from the clock, as the tools that draw do first.
  virtual void seedRandomFromClock() = 0;
  // 32 bits from the system's random device: fit for passwords, which a
  // clock-seeded generator is not.
  [[nodiscard]] virtual uint32_t secureRandomWord() = 0;
};

// The busy pointer for as long as it lives, off again however the work ends
// (cancelled included).
class BusyPointer {
 public:
  explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.setBusy(true); }
  ~BusyPointer() { platform_.setBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Platform& platform_;
};

}  // namespace brimlet
