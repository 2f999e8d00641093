// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/program.h"

#include "app/settings_file.h"
#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/number.h"
#include "core/text_file_form.h"

namespace brimlet {
namespace {

const std::string kSettingsNotSaved = "fehler beim speichern der einstellungen";

}  // namespace

Program::Program(Platform& platform, std::string programFolder)
    : session_(platform, std::move(programFolder)),
      main_(session_, *this),
      workshop_(session_, *this),
      renamer_(session_, *this),
      display_(session_, *this) {
  for (WindowModel* window : windows()) window->setBoundary(this);
  display_.setOpensOver(true);
  for (WindowModel* dialog : dialogs()) dialog->setOpensOver(true);
}

void Program::handlerEnded() {
  workshop_.operationEnded();
  main_.listsEnded();
  display_.toolEnded();
}

void Program::handlerFailed(const WindowModel& window, std::string_view message) {
  workshop_.operationFailed();
  main_.listsFailed();
  display_.toolFailed();
  switch (logOwner(window)) {
    case Tool::Workshop:
      workshop_.log(message, LogMode::HideProgress);
      break;
    case Tool::Renamer:
      renamer_.log(message);
      break;
    case Tool::Main:
      main_.log(message, LogMode::HideProgress);
      break;
  }
}

std::vector<WindowModel*> Program::windows() { return {&main_, &workshop_, &renamer_, &display_}; }

std::vector<WindowModel*> Program::dialogs() {
  return {&main_.extensionEdit, &main_.settingsDialog, &main_.aboutBox, &main_.driveLetters};
}

std::vector<WindowModel*> Program::models() {
  std::vector<WindowModel*> all = windows();
  for (WindowModel* dialog : dialogs()) all.push_back(dialog);
  return all;
}

Tool Program::visibleTool() const {
  if (session_.workshopShown) return Tool::Workshop;
  if (session_.renamerShown) return Tool::Renamer;
  return Tool::Main;
}

Tool Program::logOwner(const WindowModel& window) const {
  if (&window == &workshop_) return Tool::Workshop;
  if (&window == &renamer_) return Tool::Renamer;
  if (&window == &main_) return Tool::Main;
  return visibleTool();
}

void Program::start() {
  main_.frm1_Load();
  if (session_.savedSettingsUsed) {
    readGroupFile();
    readSettingsFile();
  }
  enableGroupExports(session_.settings[Setting::Sortieren] == 0);
  main_.setAcceptsDrops(true);
  session_.browserName = session_.platform.defaultBrowserName();
  renamer_.frm7_Load();
  workshop_.frm8_Load();
  display_.frm4_Load();

  switch (session_.settings[Setting::StarteProgrammMit]) {
    case 1:
      main_.main_dremmick_Click();
      break;
    case 2:
      main_.main_quorvel_Click();
      break;
    default:
      showTool(Tool::Main);
      break;
  }
}

void Program::readGroupFile() {
  const FileRead file = readWholeFile(session_.groupFile, kMaxGroupFileBytes);
  if (file.status != ReadStatus::Ok) return;
  if (!parseGroupFile(file.bytes, session_.groups) || file.cut) {
    main_.log(cp("gruppendatei zu groß, der rest wird ignoriert"), LogMode::Line);
  }
  rebuildExtensionTable(session_.groups);
}

void Program::readSettingsFile() {
  const FileRead file = readWholeFile(session_.settingsPath(), kMaxSettingsFileBytes);
  if (file.status != ReadStatus::Ok) return;
  parseSettingsFile(file.bytes, session_.settings);
  if (file.cut) main_.log(cp("einstellungsdatei zu groß, der rest wird ignoriert"), LogMode::Line);
}

void Program::log(std::string_view message, LogMode mode) {
  if (session_.workshopShown) {
    workshop_.log(message, mode);
  } else {
    main_.log(message, mode);
  }
}

void Program::mainLog(std::string_view message) { main_.log(message, LogMode::Line); }

void Program::showTool(Tool tool) {
  if (display_.window().visible()) display_.hide();
  WindowModel* const tools[] = {&main_, &workshop_, &renamer_};
  WindowModel* target = tools[static_cast<int>(tool)];
  for (WindowModel* window : tools) {
    if (window != target) window->window().setVisible(false);
  }
  target->window().setVisible(true);
  target->window().touch();  // asks the view to give it the focus
  session_.workshopShown = tool == Tool::Workshop;
  session_.renamerShown = tool == Tool::Renamer;
}

void Program::endProgram() {
  workshop_.setAcceptsDrops(false);
  main_.setAcceptsDrops(false);
  if (session_.settings[Setting::EinstellungSpeichern] == 1 && !saveSettings()) {
    // The main log closes with the window, so the user would never see it.
    session_.platform.warn("Brimlet", kSettingsNotSaved + "|" + session_.settingsPath());
  }
  main_.frm1_Close();
}

void Program::shutDown() {
  session_.shuttingDown = true;
  display_.hide();
  workshop_.window().setVisible(false);
  session_.platform.pumpEvents();
  renamer_.window().setVisible(false);
  main_.window().setVisible(false);
  ended_ = true;
}

bool Program::saveSettings() {
  if (!session_.savedSettingsUsed) return true;
  if (writeWholeFile(session_.settingsPath(), settingsFileText(session_.settings))) return true;
  main_.log(kSettingsNotSaved, LogMode::Line);
  return false;
}

void Program::writeSettings() { (void)saveSettings(); }

void Program::enableWindow(Tool tool, bool enabled) {
  WindowModel* const tools[] = {&main_, &workshop_, &renamer_};
  Control& window = tools[static_cast<int>(tool)]->window();
  window.setEnabled(enabled);
  if (enabled) window.touch();  // asks the view to give it the focus
}

void Program::enableGroupExports(bool enabled) { main_.enableGroupExports(enabled); }

void Program::handToWorkshop(const std::string& text) { workshop_.working().handOver(text); }

void Program::handToMainList(const std::string& text) { main_.receiveList(text); }

void Program::handToRenamer(const std::string& text) {
  showTool(Tool::Renamer);
  renamer_.receiveNames(text, kWindowsForm);
}

void Program::showInDisplay(const DisplayContent& content) { display_.open(content); }

bool Program::applyDisplayText(const std::string& text) {
  if (session_.workshopShown) {
    workshop_.working().replace(text);
    workshop_.log(cp("änderungen übernommen"), LogMode::Line);
    // Saved under a new name or replaced by a drop since the window opened.
    display_.retitle(workshop_.displayTitles());
    return true;
  }
  if (session_.renamerShown) {
    renamer_.takeNames(text);
    return true;
  }
  return false;
}

void Program::showWorkshopProgress(std::optional<int64_t> count) {
  if (count) {
    workshop_.working().showCount(*count);
    session_.platform.pumpEventsOrCancel();
  } else {
    workshop_.working().refreshStatus();
  }
}

void Program::displayClosed() { workshop_.displayClosed(); }

}  // namespace brimlet
