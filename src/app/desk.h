// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/log.h"

namespace brimlet {

enum class Tool { Main, Workshop, Renamer };

// The display window's titles: as opened, and once the user edits the text
// ("" keeps the title).
struct DisplayTitles {
  std::string title;
  std::string editedTitle;
};

// What a window hands to the display window, which takes its own copy of
// the text at once: a view spares a large text one more copy.
struct DisplayContent {
  std::string title;
  std::string editedTitle;  // shown once the user edits the text ("" keeps the title)
  std::string_view text;
  bool applyButton = false;  // whether `show_ubn` can take the text back
  bool tools = true;         // whether the tool controls are shown
};

// What one window may ask of the others. The program implements it; the
// window models only know this narrow interface, not each other. As a
// Reporter it is the log the display window's tools write to: the
// workshop's while the workshop is shown, else the main window's.
class Desk : public Reporter {
 public:
  // Hides the display window (emptying it) and the current tool window,
  // shows `tool`, focuses it and records which tool is visible.
  virtual void showTool(Tool tool) = 0;
  // The end button: stop taking drops, write the settings when the user
  // asked for that, then close the main window.
  virtual void endProgram() = 0;
  // The main window's close: every window closes and the run ends.
  virtual void shutDown() = 0;
  // Writes the settings file; a failure is logged, the old file stays.
  virtual void writeSettings() = 0;
  // Reads the group file again (the extension-edit dialog's load).
  virtual void readGroupFile() = 0;

  // A dialog disables the tool window under it while it is open; enabling
  // the window again gives it the focus.
  virtual void enableWindow(Tool tool, bool enabled) = 0;
  // The exports that need a group sort follow the chosen sort mode.
  virtual void enableGroupExports(bool enabled) = 0;

  // Hand-overs between the tools; each copies the whole text.
  // The main window's list becomes the workshop's working text.
  virtual void handToWorkshop(const std::string& text) = 0;
  // The workshop's text becomes the main window's file list, shown unsorted.
  virtual void handToMainList(const std::string& text) = 0;
  // The workshop's text becomes the renamer's names text.
  virtual void handToRenamer(const std::string& text) = 0;

  // Shows a text in the display window.
  virtual void showInDisplay(const DisplayContent& content) = 0;
  // The display window's edited text goes back to the visible tool (the
  // workshop's working text or the renamer's names). false when the visible
  // tool takes nothing back.
  virtual bool applyDisplayText(const std::string& text) = 0;
  // The workshop's working text, the main window's processed list.
  [[nodiscard]] virtual const std::string& workingText() = 0;
  [[nodiscard]] virtual const std::string& processedList() = 0;
  // The display window was closed by the user.
  virtual void displayClosed() = 0;
  // A running count in the workshop's status bar while a display tool
  // works (pending events run, a cancel point); nullopt puts the data size
  // back.
  virtual void showWorkshopProgress(std::optional<int64_t> count) = 0;
};

}  // namespace brimlet
