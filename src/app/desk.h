#pragma once

#include <string>

#include "core/log.h"

namespace brimlet {

enum class Tool { Main, Workshop, Renamer };

// What one window may ask of the others. The program implements it; the
// window models only know this narrow interface, not each other.
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

  // Hand-overs between the tools; each copies the whole text.
  // The main window's list becomes the workshop's working text.
  virtual void handToWorkshop(const std::string& text) = 0;
  // The workshop's text becomes the main window's file list, shown unsorted.
  virtual void handToMainList(const std::string& text) = 0;
  // The workshop's text becomes the renamer's names text.
  virtual void handToRenamer(const std::string& text) = 0;
};

}  // namespace brimlet
