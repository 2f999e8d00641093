// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/window_model.h"
#include "ui/control_binding.h"
#include "ui/window_placement.h"

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QProgressBar;

namespace brimlet {

// A window built from its model's control table: one widget per control,
// grouped into labelled frames, each widget's events bound to the handler
// named after the control and the event (`main_close` -> `main_close_Click`).
// The model holds all state; sync() mirrors what changed since last time.
class WindowView : public QWidget {
 public:
  WindowView(WindowModel& model, HandlerRunner run, WindowPlacement& placement);

  void sync();
  // Takes what the user typed into a rich text field into its model; done
  // before any handler runs rather than on every key, since the text may be large.
  void flushEdits();
  // Greys the operation controls while a long operation runs.
  void setOperationsEnabled(bool enabled);

  [[nodiscard]] WindowModel& model() { return model_; }
  [[nodiscard]] QWidget* widgetOf(const std::string& control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Bound : BoundControl {
    uint64_t textRevision = 0;
    bool edited = false;  // typed into since the last flush
  };
  struct FrameBox {
    std::string caption;
    QGroupBox* box;
    QGridLayout* grid;
    std::vector<std::pair<const Control*, QWidget*>> cells;  // in the table's order
    std::optional<std::vector<QWidget*>> placed;  // the shown cells, as the grid holds them
    int perRow;
  };

  QWidget* createWidget(Control& control);
  void bindRichText(size_t index);
  void applyRichText(Bound& bound);
  void apply(Bound& bound);
  void applyWindow();
  // Runs `name` if the model has such a handler; false when it has none.
  bool runIfPresent(const std::string& name, const std::vector<std::string>& args = {},
                    TypedText typed = TypedText::Take);
  FrameBox& frameOf(const std::string& frame);
  // Lays the controls of a frame out again, `perRow` a row: all of them, or
  // the shown ones only, so a hidden one leaves no gap; a frame with none
  // shown is hidden.
  enum class Cells { All, Shown };
  static void restack(FrameBox& frame, Cells cells);
  // The bar that shows a large text being put into a field.
  QProgressBar& fillBar();
  // Puts the frames into the panel: side by side in as many columns as
  // `room` pixels take, or, for a window with pages, on their tabs.
  void arrangeFrames(int room);
  static QWidget* frameColumns(const std::vector<QGroupBox*>& boxes, int columns);

  WindowModel& model_;
  ControlBinding binding_;
  WindowPlacement& placement_;
  std::vector<Bound> bound_;
  QWidget* operations_ = nullptr;
  QHBoxLayout* bottom_ = nullptr;
  QProgressBar* fillBar_ = nullptr;
  std::vector<FrameBox> frames_;  // in the order the table declares them
  uint64_t windowRevision_ = 0;
  bool wasVisible_ = false;
};

}  // namespace brimlet
