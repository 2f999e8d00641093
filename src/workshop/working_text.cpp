// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/working_text.h"

#include "core/number.h"
#include "workshop/crlf_lines.h"

namespace brimlet {

WorkingText::WorkingText(Control& statusBar) : statusBar_(statusBar) {}

void WorkingText::load(std::string path, TextFromFile file) {
  // The working text gets its room for the final line end at once:
  // appending to a full-sized string would move it all, a third copy at
  // the peak of a large load.
  std::string working;
  working.reserve(file.text.size() + 2);
  working.append(file.text);
  appendFinalLineEnd(working);
  name_ = std::move(path);
  text_ = std::move(working);
  undo_ = std::move(file.text);
  form_ = file.form;
  refreshStatus();
}

void WorkingText::paste(std::string text, std::string name) {
  appendFinalLineEnd(text);
  text_ = std::move(text);
  name_ = std::move(name);
  form_ = kWindowsForm;
  refreshStatus();
}

void WorkingText::handOver(const std::string& text) {
  std::string working = text;
  if (undo_.empty()) undo_ = text;
  text_ = std::move(working);
  form_ = kWindowsForm;
  refreshStatus();
}

void WorkingText::replace(std::string text) {
  text_ = std::move(text);
  refreshStatus();
}

void WorkingText::replaceKeepingUndo(std::string text) {
  undo_ = std::move(text_);
  replace(std::move(text));
}

void WorkingText::replaceUndoCopy(std::string text) { undo_ = std::move(text); }

void WorkingText::rename(std::string name) { name_ = std::move(name); }

void WorkingText::swapWithUndo() {
  std::swap(text_, undo_);
  refreshStatus();
}

void WorkingText::clear() {
  text_.clear();
  undo_.clear();
  refreshStatus();
}

void WorkingText::setForm(TextFileForm form) {
  form_ = form;
  refreshStatus();
}

std::string WorkingText::fileBytes() const { return textForFile(text_, form_); }

void WorkingText::beginOperation() {
  if (!operationOpen_) {
    replacedUndo_ = std::move(undo_);
    formBefore_ = form_;
  }
  operationOpen_ = true;
  undo_ = std::move(text_);
  text_.clear();
}

void WorkingText::setResult(std::string text) { text_ = std::move(text); }

void WorkingText::keepSourceWithFinalLineEnd() {
  text_ = undo_;
  appendFinalLineEnd(text_);
}

void WorkingText::endOperation() {
  replacedUndo_ = std::string();
  if (!operationOpen_) return;
  operationOpen_ = false;
  refreshStatus();
}

void WorkingText::failOperation() {
  if (operationOpen_) {
    text_ = std::move(undo_);
    undo_ = std::move(replacedUndo_);
    form_ = formBefore_;
  }
  endOperation();
}

void WorkingText::refreshStatus() {
  const std::string& shown = operationOpen_ ? undo_ : text_;
  std::string status = "Daten: " + decimal(static_cast<int64_t>(shown.size())) + " Bytes";
  if (!shown.empty()) status += " ~~~ " + formName(form_);
  statusBar_.setText(std::move(status));
}

void WorkingText::showCount(int64_t count) { statusBar_.setText(decimal(count)); }

}  // namespace brimlet
