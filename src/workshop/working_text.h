// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "core/control.h"
#include "core/text_file_form.h"

namespace brimlet {

// The workshop's one text: the working text, its name, the form of the file
// it came from, the one-level undo copy and the status bar that shows its
// size and form. Every change goes through here, so the status bar always
// tells the truth about the text an operation works on.
class WorkingText {
 public:
  explicit WorkingText(Control& statusBar);

  [[nodiscard]] const std::string& text() const { return text_; }
  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] const std::string& undoCopy() const { return undo_; }
  [[nodiscard]] TextFileForm form() const { return form_; }
  [[nodiscard]] bool empty() const { return text_.empty(); }

  // A file's text in the program's form, named by its path: the undo copy
  // takes the text as read, the working text the same with its final line
  // end. The file's form is kept for saving.
  void load(std::string path, TextFromFile file);
  // A text that did not come from a file (the clipboard) replaces the
  // working text under `name`, with the final line end; the undo copy stays.
  void paste(std::string text, std::string name);
  // The main window's list: the undo copy takes it too when it is empty;
  // the name stays.
  void handOver(const std::string& text);
  // The bytes as they are (edited in the display window, set by a script).
  void replace(std::string text);
  // The same, the old text becoming the undo copy.
  void replaceKeepingUndo(std::string text);
  void replaceUndoCopy(std::string text);
  void rename(std::string name);
  void swapWithUndo();
  void clear();

  void setForm(TextFileForm form);
  // The working text as the file it is saved to holds it.
  [[nodiscard]] std::string fileBytes() const;

  // An operation moves the working text into the undo copy, reads it from
  // there (`source`) and sets its result; the text is never copied just to
  // be kept. The undo copy it replaced and the form stay until the operation
  // has ended or failed, so a failure (out of memory, a cancel) puts all
  // back.
  void beginOperation();
  [[nodiscard]] const std::string& source() const { return undo_; }
  void setResult(std::string text);
  // The result of an operation that found nothing to do but to end the
  // text with its line end.
  void keepSourceWithFinalLineEnd();
  void endOperation();
  void failOperation();

  // "Daten: " + size + " Bytes", with the form beside it when there is a
  // text to save; during an operation the size of the text it works on.
  void refreshStatus();
  // A running count instead, while a long display tool works.
  void showCount(int64_t count);

 private:
  Control& statusBar_;
  std::string text_;
  std::string name_;
  std::string undo_;
  std::string replacedUndo_;
  TextFileForm form_ = kWindowsForm;
  TextFileForm formBefore_ = kWindowsForm;
  bool operationOpen_ = false;
};

}  // namespace brimlet
