// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <functional>
#include <random>

#include "core/platform.h"
#include "core/secure_random.h"
#include "ui/external_opener.h"

namespace brimlet {

// The real desktop: Qt dialogs, the system clipboard, the default handlers.
class QtPlatform final : public Platform {
 public:
  QtPlatform();

  // Called on every real pump, before pending events run: the views mirror
  // the models then, so a long operation shows its progress.
  std::function<void()> beforePump;
  // Called when a long operation first pumps events and again when it ends.
  std::function<void(bool)> busyChanged;
  // Starts the browser and the editor; its late answers are logged between
  // handlers, so the views need to mirror the models afterwards.
  ExternalOpener opener;

  // A handler starts: events are first pumped once it has run for a while,
  // so a short operation never greys the windows. It starts uncancelled.
  void handlerStarted() {
    sincePump_.restart();
    cancelRequested_ = false;
  }
  // Ends what the last handler's pumps started (busy pointer, greyed controls).
  void handlerFinished();

  void pumpEvents() override;
  [[nodiscard]] bool cancelRequested() const override { return cancelRequested_; }
  // Asks the running handler to stop at its next cancel point.
  void requestCancel() { cancelRequested_ = true; }
  // Whether a long operation is letting events run at this moment.
  [[nodiscard]] bool pumping() const { return insidePump_; }
  void setBusy(bool busy) override;
  std::string chooseFolder(const std::string& title, const std::string& preselected) override;
  std::optional<std::string> chooseFileToOpen(const FileDialog& dialog) override;
  std::optional<std::string> chooseFileToSave(const FileDialog& dialog) override;
  std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                      const std::string& preset) override;
  bool confirm(const std::string& title, const std::string& text) override;
  void warn(const std::string& title, const std::string& text) override;
  int popupMenu(const std::string& items) override;
  ClipboardRead readClipboard() override;
  bool writeClipboard(std::string_view block) override;
  bool clearClipboard() override;
  void openExternally(const std::string& target, std::function<void(bool)> outcome) override;
  std::string defaultBrowserName() override;
  LocalTime now() override;
  double random() override;
  void seedRandom(uint32_t seed) override { generator_.seed(seed); }
  void seedRandomFromClock() override;
  uint32_t secureRandomWord() override { return secure_.word(); }
  void showStop(const std::string& title, const std::string& text) override;

 private:
  // "|" in `text` separates its lines. Returns the button pressed.
  int messageBox(QMessageBox::Icon icon, const std::string& title, const std::string& text,
                 QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

  // Shows the busy pointer from a file dialog's end to the handler's.
  void busyAfterDialog();

  QElapsedTimer sincePump_;
  bool busyAfterDialog_ = false;
  bool pumping_ = false;
  bool insidePump_ = false;
  bool cancelRequested_ = false;
  int busyDepth_ = 0;
  std::mt19937 generator_;
  SecureRandom secure_;
};

}  // namespace brimlet
