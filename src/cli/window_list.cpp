// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_list.h"

#include <algorithm>
#include <iomanip>

#include "core/cp1252.h"

namespace brimlet {
namespace {

const char* kindName(ControlKind kind) {
  switch (kind) {
    // clang-format off
    case ControlKind::Window: return "window";
    case ControlKind::Button: return "button";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::OptionButton: return "option";
    case ControlKind::TextBox: return "text field";
    case ControlKind::RichText: return "rich text";
    case ControlKind::LogBox: return "log";
    case ControlKind::DropDown: return "list";
    case ControlKind::Label: return "label";
    case ControlKind::StatusBar: return "status bar";
    case ControlKind::ProgressBar: return "progress bar";
    case ControlKind::ListView: return "list view";
      // clang-format on
  }
  return "";
}

// The handler as a step is written: integer arguments as N, texts as TEXT.
std::string stepForm(const Handler& handler) {
  std::string form = handler.name;
  for (const ArgKind kind : handler.parameters) form += kind == ArgKind::Integer ? ":N" : ":TEXT";
  return form;
}

}  // namespace

void listWindows(Program& program, std::ostream& out) {
  for (WindowModel* window : program.models()) {
    out << window->form() << " \"" << toUtf8(window->window().text()) << "\"\n";
    size_t width = 0;
    for (const auto& control : window->controls()) width = std::max(width, control->name().size());
    out << "  controls:\n";
    for (const auto& control : window->controls()) {
      out << "    " << std::left << std::setw(static_cast<int>(width) + 2) << control->name()
          << std::setw(14) << kindName(control->kind()) << '"' << toUtf8(control->text()) << '"';
      if (!control->frame().empty()) out << "  [" << toUtf8(control->frame()) << "]";
      out << "\n";
    }
    out << "  handlers:\n";
    for (const Handler& handler : window->handlers()) out << "    " << stepForm(handler) << "\n";
  }
}

}  // namespace brimlet
