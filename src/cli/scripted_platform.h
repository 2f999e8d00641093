// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/secure_random.h"

namespace brimlet {

// The desktop of brimlet-cli and of the tests: dialogs are answered from
// queues keyed by their title, the clipboard is a byte block in memory, the
// clock and the random generator can be fixed.
class ScriptedPlatform final : public Platform {
 public:
  ScriptedPlatform();

  // Queues an answer for the next dialog with this title (Windows-1252).
  // An empty value cancels; a message box takes "ok" or "cancel"; a popup
  // menu is titled "menu" and takes the chosen position.
  void addAnswer(const std::string& title, std::string value);
  void setClock(const LocalTime& time) { clock_ = time; }
  // Answers a dialog that has no queued answer (the random handler driver
  // answers every dialog this way); unset, such a dialog is cancelled.
  std::function<std::optional<std::string>(const std::string& title)> fallbackAnswer;

  // The clipboard's block; nullopt when it holds no text.
  std::optional<std::string> clipboard;
  // Dialogs that found no answer (and were cancelled), for diagnostics.
  std::vector<std::string> unanswered;
  // The texts of the warnings shown, in order.
  std::vector<std::string> warnings;
  // What was handed to the desktop to open.
  std::vector<std::string> opened;
  // Stop messages shown, as title + "|" + text.
  std::vector<std::string> stops;
  // false: the desktop has nothing to open a file or URL with.
  bool canOpenExternally = true;
  // Asked with cancelRequested: true stops the running handler as Esc does.
  std::function<bool()> stopRequested;
  std::string browserName;

  // Counts the pumps, so that a test can cancel the running handler at the
  // pump it chooses (`cancelAtPump`, 0 for never).
  void pumpEvents() override { ++pumps; }
  [[nodiscard]] bool cancelRequested() const override {
    return (cancelAtPump > 0 && pumps >= cancelAtPump) || (stopRequested && stopRequested());
  }
  int64_t pumps = 0;
  int64_t cancelAtPump = 0;
  void setBusy(bool) override {}
  std::string chooseFolder(const std::string& title, const std::string& preselected) override;
  std::optional<std::string> chooseFileToOpen(const FileDialog& dialog) override;
  std::optional<std::string> chooseFileToSave(const FileDialog& dialog) override;
  std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                      const std::string& preset) override;
  bool confirm(const std::string& title, const std::string& text) override;
  void warn(const std::string&, const std::string& text) override { warnings.push_back(text); }
  int popupMenu(const std::string& items) override;
  ClipboardRead readClipboard() override;
  bool writeClipboard(std::string_view block) override;
  bool clearClipboard() override;
  void openExternally(const std::string& target, std::function<void(bool)> outcome) override;
  std::string defaultBrowserName() override { return browserName; }
  LocalTime now() override;
  double random() override;
  // A seed given here holds for the whole run: the clock no longer re-seeds.
  void seedRandom(uint32_t seed) override {
    generator_.seed(seed);
    seedFixed_ = true;
    seeded_ = true;
  }
  void seedRandomFromClock() override;
  uint32_t secureRandomWord() override;
  void showStop(const std::string& title, const std::string& text) override;

 private:
  // The next answer for `title`, or nullopt (recorded as unanswered).
  std::optional<std::string> answerFor(const std::string& title);

  std::map<std::string, std::deque<std::string>> answers_;
  std::optional<LocalTime> clock_;
  SecureRandom secure_;  // one source for the whole run, as the windows keep theirs
  std::mt19937 generator_;
  bool seeded_ = false;
  bool seedFixed_ = false;
};

}  // namespace brimlet
