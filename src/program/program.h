// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/desk.h"
#include "app/session.h"
#include "display/display_window.h"
#include "lister/main_window.h"
#include "renamer/renamer_window.h"
#include "workshop/workshop.h"

namespace brimlet {

// One run of Brimlet: the shared session and the four windows, started,
// switched and shut down as one. Both front ends (the Qt windows and
// brimlet-cli) drive the same Program.
class Program final : public Desk, public HandlerBoundary {
 public:
  Program(Platform& platform, std::string programFolder);

  // The start sequence: reads the group file and the settings file (missing
  // or broken ones leave the defaults), names the default browser, loads the
  // windows and opens the start tool.
  void start();
  // True once the main window has closed: the run is over.
  [[nodiscard]] bool ended() const { return ended_; }

  [[nodiscard]] Session& session() { return session_; }
  [[nodiscard]] MainWindow& main() { return main_; }
  [[nodiscard]] Workshop& workshop() { return workshop_; }
  [[nodiscard]] RenamerWindow& renamer() { return renamer_; }
  [[nodiscard]] DisplayWindow& display() { return display_; }
  // frm1, frm8, frm7, frm4.
  [[nodiscard]] std::vector<WindowModel*> windows();
  // frm2, frm3, frm5, frm6: opened over the main window, which they disable.
  [[nodiscard]] std::vector<WindowModel*> dialogs();
  // The windows and the dialogs.
  [[nodiscard]] std::vector<WindowModel*> models();
  [[nodiscard]] Tool visibleTool() const;

  void log(std::string_view message, LogMode mode) override;
  void mainLog(std::string_view message) override;
  void showTool(Tool tool) override;
  void endProgram() override;
  void shutDown() override;
  void writeSettings() override;
  void readGroupFile() override;
  void enableWindow(Tool tool, bool enabled) override;
  void enableGroupExports(bool enabled) override;
  void handToWorkshop(const std::string& text) override;
  void handToMainList(const std::string& text) override;
  void handToRenamer(const std::string& text) override;
  void showInDisplay(const DisplayContent& content) override;
  bool applyDisplayText(const std::string& text) override;
  const std::string& workingText() override { return workshop_.working().text(); }
  const std::string& processedList() override { return main_.processedList(); }
  void displayClosed() override;
  void showWorkshopProgress(std::optional<int64_t> count) override;

  void handlerEnded() override;
  void handlerFailed(const WindowModel& window, std::string_view message) override;

 private:
  // The tool window whose log a window's messages go to: the display
  // window logs into the tool it was opened over.
  [[nodiscard]] Tool logOwner(const WindowModel& window) const;
  void readSettingsFile();
  // Writes the settings file; false (and a log line) when it failed.
  [[nodiscard]] bool saveSettings();

  Session session_;
  MainWindow main_;
  Workshop workshop_;
  RenamerWindow renamer_;
  DisplayWindow display_;
  bool ended_ = false;
};

}  // namespace brimlet
