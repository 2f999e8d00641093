// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and dialogs bind their controls alike, and Qt's keys and mouse
// reach the program's handlers in the codes they were written for.
#include "ui/control_binding.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "core/busy_guard.h"
#include "ui/dialog_view.h"
#include "ui/window_view.h"

namespace brimlet {
namespace {

TEST(ProgramCodes, Keys) {
  // clang-format off
  const struct { int qt; int program; } cases[] = {
      {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
      {Qt::Key_A, 65}, {Qt::Key_T, 84}, {Qt::Key_Z, 90}, {Qt::Key_0, 48}, {Qt::Key_9, 57},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(programKeyCode(c.qt), c.program) << c.qt;
}

TEST(ProgramCodes, ShiftStates) {
  // clang-format off
  const struct { Qt::KeyboardModifiers qt; int program; } cases[] = {
      {Qt::NoModifier, 0}, {Qt::ShiftModifier, 1}, {Qt::ControlModifier, 2}, {Qt::AltModifier, 4},
      {Qt::ShiftModifier | Qt::ControlModifier, 3},
      {Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 7},
      // The keypad flag and the Meta key are nothing the handlers know.
      {Qt::KeypadModifier, 0}, {Qt::KeypadModifier | Qt::ControlModifier, 2},
      {Qt::MetaModifier, 0},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(programShiftState(c.qt), c.program) << c.qt;
}

TEST(ProgramCodes, MouseButtons) {
  // clang-format off
  const struct { Qt::MouseButton qt; int program; } cases[] = {
      {Qt::LeftButton, 1}, {Qt::RightButton, 2}, {Qt::MiddleButton, 4},
      {Qt::BackButton, 0}, {Qt::NoButton, 0},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(programMouseButton(c.qt), c.program) << c.qt;
}

// A window of its own, so each case sets exactly the state it looks at.
class BindingModel : public WindowModel {
 public:
  explicit BindingModel(BusyGuard& busy)
      : WindowModel("frmT", "Bindung", busy),
        list(addControl("t_list", ControlKind::DropDown, "")),
        field(addControl("t_field", ControlKind::TextBox, "")) {
    addControl("t_e(2)", ControlKind::TextBox, "");
    addControl("t_b(4)", ControlKind::Button, "");
    for (const char* name : {"t_e_Change", "t_b_Click", "t_list_Click"}) addHandler(name, [] {});
  }
  Control& list;
  Control& field;
};

// The same cases on a window and on a dialog.
template <class View>
class BindingTest : public ::testing::Test {
 protected:
  BindingTest() {
    const HandlerRunner record = [this](WindowModel&, const std::string& handler,
                                        const std::vector<std::string>& args, TypedText) {
      calls.push_back(handler + (args.empty() ? "" : " " + args.front()));
    };
    if constexpr (std::is_same_v<View, WindowView>) {
      view = std::make_unique<View>(model, record, placement);
    } else {
      view = std::make_unique<View>(model, record, nullptr);
    }
  }
  template <class W>
  W* widget(const std::string& control) {
    auto* w = qobject_cast<W*>(view->widgetOf(control));
    EXPECT_NE(w, nullptr) << control;
    return w;
  }

  BusyGuard busy;
  BindingModel model{busy};
  WindowPlacement placement{{}};
  std::unique_ptr<View> view;
  std::vector<std::string> calls;
};

using Views = ::testing::Types<WindowView, DialogView>;
TYPED_TEST_SUITE(BindingTest, Views);

TYPED_TEST(BindingTest, ADropDownListShowsNewTextsOfTheSameCount) {
  this->model.list.setItems({"mp3", "txt"});
  this->view->sync();
  this->model.list.setItems({"doc", "zip"});
  this->model.list.setValue(1);
  this->view->sync();
  auto* list = this->template widget<QComboBox>("t_list");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0).toStdString(), "doc");
  EXPECT_EQ(list->itemText(1).toStdString(), "zip");
  EXPECT_EQ(list->currentIndex(), 1);
}

TYPED_TEST(BindingTest, AFieldTheModelDisablesStaysReadable) {
  this->model.field.setText("C:\\daten");
  this->model.field.setEnabled(false);
  this->view->sync();
  auto* field = this->template widget<QLineEdit>("t_field");
  EXPECT_TRUE(field->isReadOnly());
  EXPECT_TRUE(field->isEnabled());
  EXPECT_EQ(field->text().toStdString(), "C:\\daten");
  this->model.field.setEnabled(true);
  this->view->sync();
  EXPECT_FALSE(field->isReadOnly());
}

TYPED_TEST(BindingTest, UserActionsReachTheModelAndItsHandlers) {
  auto* element = this->template widget<QLineEdit>("t_e(2)");
  element->setText(QStringLiteral("neu"));
  Q_EMIT element->textEdited(QStringLiteral("neu"));
  EXPECT_EQ(this->model.findControl("t_e(2)")->text(), "neu");
  this->template widget<QPushButton>("t_b(4)")->click();
  Q_EMIT this->template widget<QComboBox>("t_list")->activated(1);
  EXPECT_EQ(this->model.list.value(), 1);
  // A field without a handler of its own runs none.
  Q_EMIT this->template widget<QLineEdit>("t_field")->textEdited(QStringLiteral("x"));
  EXPECT_EQ(this->calls, (std::vector<std::string>{"t_e_Change 2", "t_b_Click 4", "t_list_Click"}));
}

}  // namespace
}  // namespace brimlet
