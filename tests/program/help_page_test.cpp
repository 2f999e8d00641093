// SPDX-License-Identifier: GPL-3.0-or-later
// The help page against the windows' control tables: a control added or
// renamed later without its entry on the page fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/cp1252.h"
#include "program_fixture.h"

namespace brimlet {
namespace {

std::string helpPage() {
  std::ifstream file(BRIMLET_HELP_PAGE, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// A caption as the page writes it: without its accelerator mark, UTF-8,
// with the characters HTML reserves escaped.
std::string asOnThePage(const std::string& caption) {
  std::string text;
  for (const char c : toUtf8(caption)) {
    switch (c) {
      case '&':
        break;
      case '<':
        text += "&lt;";
        break;
      case '>':
        text += "&gt;";
        break;
      default:
        text += c;
    }
  }
  return text;
}

bool explained(ControlKind kind) {
  return kind != ControlKind::Label && kind != ControlKind::StatusBar &&
         kind != ControlKind::ProgressBar && kind != ControlKind::Window;
}

using HelpPage = testing::ProgramTest;

TEST_F(HelpPage, EveryControlOfEveryWindowHasItsEntryUnderItsCaption) {
  const std::string page = helpPage();
  ASSERT_FALSE(page.empty());
  for (const char* anchor : {"brl", "qvl", "drm"}) {
    EXPECT_NE(page.find("id=\"" + std::string(anchor) + "\""), std::string::npos) << anchor;
  }
  program.start();
  for (const WindowModel* window : program.windows()) {
    for (const auto& control : window->controls()) {
      if (!explained(control->kind())) continue;
      // A control array has one entry for all its elements.
      const std::string id = control->name().substr(0, control->name().find('('));
      const size_t entry = page.find("id=\"" + id + "\"");
      ASSERT_NE(entry, std::string::npos) << window->form() << ": no entry for " << id;
      const std::string caption = asOnThePage(control->text());
      if (caption.empty() || control->kind() == ControlKind::TextBox) continue;
      const std::string_view row =
          std::string_view(page).substr(entry, page.find("</tr>", entry) - entry);
      EXPECT_NE(row.find(caption), std::string_view::npos)
          << id << ": the entry does not name \"" << caption << "\"";
    }
  }
}

}  // namespace
}  // namespace brimlet
