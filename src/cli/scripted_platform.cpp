// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/scripted_platform.h"

#include "app/program_folder.h"
#include "core/clock.h"
#include "core/number.h"

namespace brimlet {

ScriptedPlatform::ScriptedPlatform() = default;

void ScriptedPlatform::addAnswer(const std::string& title, std::string value) {
  answers_[title].push_back(std::move(value));
}

std::optional<std::string> ScriptedPlatform::answerFor(const std::string& title) {
  auto found = answers_.find(title);
  if (found == answers_.end() || found->second.empty()) {
    if (fallbackAnswer) return fallbackAnswer(title);
    unanswered.push_back(title);
    return std::nullopt;
  }
  std::string value = std::move(found->second.front());
  found->second.pop_front();
  return value;
}

std::string ScriptedPlatform::chooseFolder(const std::string& title, const std::string&) {
  const auto answer = answerFor(title);
  if (!answer || answer->empty()) return {};
  if (*answer == "Error") return *answer;
  return withTrailingSlash(*answer);
}

std::optional<std::string> ScriptedPlatform::chooseFileToOpen(const FileDialog& dialog) {
  auto answer = answerFor(dialog.title);
  if (!answer || answer->empty()) return std::nullopt;
  return answer;
}

std::optional<std::string> ScriptedPlatform::chooseFileToSave(const FileDialog& dialog) {
  return chooseFileToOpen(dialog);
}

std::optional<std::string> ScriptedPlatform::inputBox(const std::string& title, const std::string&,
                                                      const std::string&) {
  auto answer = answerFor(title);
  if (!answer || answer->empty()) return std::nullopt;
  return answer;
}

bool ScriptedPlatform::confirm(const std::string& title, const std::string&) {
  const auto answer = answerFor(title);
  return answer && *answer == "ok";
}

int ScriptedPlatform::popupMenu(const std::string&) {
  const auto answer = answerFor("menu");
  return answer && !answer->empty() ? integerValue(*answer) : -1;
}

ClipboardRead ScriptedPlatform::readClipboard() {
  if (!clipboard) return {ClipboardStatus::NoText, {}};
  return {ClipboardStatus::Ok, *clipboard};
}

bool ScriptedPlatform::writeClipboard(std::string_view block) {
  clipboard = std::string(block);
  return true;
}

bool ScriptedPlatform::clearClipboard() {
  clipboard.reset();
  return true;
}

void ScriptedPlatform::openExternally(const std::string& target,
                                      std::function<void(bool)> outcome) {
  if (canOpenExternally) opened.push_back(target);
  outcome(canOpenExternally);
}

LocalTime ScriptedPlatform::now() { return clock_ ? *clock_ : currentLocalTime(); }

void ScriptedPlatform::showStop(const std::string& title, const std::string& text) {
  stops.push_back(title + "|" + text);
}

void ScriptedPlatform::seedRandomFromClock() {
  if (seedFixed_) return;
  const LocalTime t = now();
  const int64_t days = (int64_t{t.year} * 12 + t.month) * 31 + t.day;
  generator_.seed(static_cast<uint32_t>(days * 86400 + t.hour * 3600 + t.minute * 60 + t.second));
  seeded_ = true;
}

// With a fixed seed the passwords repeat too, so scripted runs compare.
uint32_t ScriptedPlatform::secureRandomWord() {
  return seedFixed_ ? static_cast<uint32_t>(generator_()) : secure_.word();
}

// Seeded at the first draw, not at the start: --in-place starts a fresh
// program for every file, and asking the system for a seed costs more than
// most files' whole run.
double ScriptedPlatform::random() {
  if (!seeded_) {
    generator_.seed(secure_.word());
    seeded_ = true;
  }
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace brimlet
