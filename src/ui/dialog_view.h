// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "core/window_model.h"
#include "ui/control_binding.h"

class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;

namespace brimlet {

// A dialog built from its model's control table. Controls stand one below
// the other in the order the table declares them, inside a box per frame;
// elements of a control array ("ed_e(3)") form a grid with one row per
// index; the buttons form the bottom row. An element's events run the
// array's handler with the element's index (`ed_e(3)` -> `ed_e_Change:3`).
// The dialog is modal; the model decides when it shows and closes.
class DialogView : public QDialog {
 public:
  DialogView(WindowModel& model, HandlerRunner run, QWidget* parent);

  void sync();

  [[nodiscard]] WindowModel& model() { return model_; }
  [[nodiscard]] QWidget* widgetOf(const std::string& control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* createWidget(Control& control);
  void place(const Control& control, QWidget* widget);

  WindowModel& model_;
  ControlBinding binding_;
  std::vector<BoundControl> bound_;
  QVBoxLayout* body_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
  std::map<std::string, QVBoxLayout*> frames_;
  // The grid the array elements of a frame are gathered in, with the
  // column of each array.
  std::map<std::string, QGridLayout*> grids_;
  std::map<std::string, int> columns_;
  uint64_t windowRevision_ = 0;
};

}  // namespace brimlet
