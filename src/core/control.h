// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brimlet {

enum class ControlKind {
  Window,        // the form itself: text is its title
  Button,        // text is the caption
  CheckBox,      // value 0/1
  OptionButton,  // value 0/1; options of one frame exclude each other
  TextBox,       // one line of text
  RichText,      // a text field with caret and selection that the model drives
  LogBox,        // read-only lines, newest first
  DropDown,      // items, value is the selected position (-1 none)
  Label,
  StatusBar,
  ProgressBar,  // value and maximum
  ListView,     // report-style list: items are the column headers, rows() the rows
};

// One row of a list view: a text per column, and whether the row is marked
// for the user's attention.
struct ListRow {
  std::vector<std::string> cells;
  bool marked = false;
  bool operator==(const ListRow&) const = default;
};

// The state of one control as its window model holds it. The views only
// mirror it; every change bumps the revision so a view refreshes just the
// controls that changed. Texts are Windows-1252 bytes.
class Control {
 public:
  Control(std::string name, ControlKind kind, std::string text, std::string frame)
      : name_(std::move(name)), kind_(kind), text_(std::move(text)), frame_(std::move(frame)) {}

  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] ControlKind kind() const { return kind_; }
  // Caption of the labelled frame the control sits in ("" for none).
  [[nodiscard]] const std::string& frame() const { return frame_; }

  [[nodiscard]] const std::string& text() const {
    if (!linesOnTop_.empty()) putLinesOnTop();
    return text_;
  }
  [[nodiscard]] int64_t value() const { return value_; }
  [[nodiscard]] int64_t maximum() const { return maximum_; }
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
  [[nodiscard]] const std::vector<ListRow>& rows() const { return rows_; }
  [[nodiscard]] bool visible() const { return visible_; }
  [[nodiscard]] bool enabled() const { return enabled_; }
  [[nodiscard]] uint64_t revision() const { return revision_; }
  // Bumped only when the text changes, so a view can move the caret of a
  // large text without putting the whole text into its widget again.
  [[nodiscard]] uint64_t textRevision() const { return textRevision_; }
  // Caret and selection of a text field, in field positions (a line end
  // counts as one position).
  [[nodiscard]] int64_t selectionStart() const { return selectionStart_; }
  [[nodiscard]] int64_t selectionLength() const { return selectionLength_; }

  void setText(std::string text) {
    if (linesOnTop_.empty() && text_ == text) return;
    dropLinesOnTop();
    text_ = std::move(text);
    ++revision_;
    ++textRevision_;
  }
  // A log box grows at its top. Adding a line costs the line, not the log:
  // the lines are put on top of the text only when it is read.
  void addLineOnTop(std::string_view line) {
    addBlockOnTop(line.size(), [line](std::string& lines) { lines += line; });
  }
  // Lines that come at once, as one block, newest first: `write` appends
  // exactly `bytes` to the lines waiting to go on top, in room reserved for
  // them, so that a handler that logs millions of lines holds them once.
  // The room has a sixteenth more for the lines that follow such a block
  // (its handler's result): doubling it for them would copy the block.
  template <class Write>
  void addBlockOnTop(size_t bytes, Write&& write) {
    if (bytes > linesOnTop_.capacity() - linesOnTop_.size()) {
      linesOnTop_.reserve(
          std::max(linesOnTop_.size() + bytes + bytes / 16, 2 * linesOnTop_.capacity()));
    }
    lineStarts_.push_back(linesOnTop_.size());
    write(linesOnTop_);
    ++revision_;
    ++textRevision_;
  }
  void setSelection(int64_t start, int64_t length) {
    if (selectionStart_ == start && selectionLength_ == length) return;
    selectionStart_ = start;
    selectionLength_ = length;
    ++revision_;
  }
  void setValue(int64_t value) { assign(value_, value); }
  void setMaximum(int64_t maximum) { assign(maximum_, maximum); }
  void setItems(std::vector<std::string> items) { assign(items_, std::move(items)); }
  void setRows(std::vector<ListRow> rows) { assign(rows_, std::move(rows)); }
  void setVisible(bool visible) { assign(visible_, visible); }
  void setEnabled(bool enabled) { assign(enabled_, enabled); }
  // For changes that are not a new value (a window asked to take the focus).
  void touch() { ++revision_; }

 private:
  template <class T, class U>
  void assign(T& field, U&& value) {
    if (field == value) return;
    field = std::forward<U>(value);
    ++revision_;
  }

  void putLinesOnTop() const {
    std::string text;
    text.reserve(linesOnTop_.size() + text_.size());
    for (size_t end = linesOnTop_.size(), i = lineStarts_.size(); i-- > 0;) {
      text.append(linesOnTop_, lineStarts_[i], end - lineStarts_[i]);
      end = lineStarts_[i];
    }
    text += text_;
    text_ = std::move(text);
    dropLinesOnTop();
  }

  // Their room goes too: `= {}` would keep it, as large as the largest
  // batch of lines ever logged, for the rest of the run.
  void dropLinesOnTop() const {
    std::string().swap(linesOnTop_);
    std::vector<size_t>().swap(lineStarts_);
  }

  std::string name_;
  ControlKind kind_;
  // The text as last read, and the lines added since, oldest first, one
  // after the other with where each starts: a log of millions of short
  // lines then costs little more than its bytes.
  mutable std::string text_;
  mutable std::string linesOnTop_;
  mutable std::vector<size_t> lineStarts_;
  std::string frame_;
  int64_t value_ = 0;
  int64_t maximum_ = 100;
  std::vector<std::string> items_;
  std::vector<ListRow> rows_;
  bool visible_ = true;
  bool enabled_ = true;
  int64_t selectionStart_ = 0;
  int64_t selectionLength_ = 0;
  uint64_t revision_ = 1;
  uint64_t textRevision_ = 1;
};

}  // namespace brimlet
