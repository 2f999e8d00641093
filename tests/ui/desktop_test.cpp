// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows on the offscreen platform: start, switch, close.
#include "ui/desktop.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() : desktop(home.path()) {}

  void click(const std::string& form, const std::string& control) {
    auto* button = qobject_cast<QAbstractButton*>(desktop.view(form).widgetOf(control));
    ASSERT_NE(button, nullptr) << control;
    button->click();
  }
  std::string shown() {
    std::string flags;
    for (const char* form : {"frm1", "frm8", "frm7", "frm4"}) {
      flags += desktop.view(form).isVisible() ? form : "-";
    }
    return flags;
  }
  QString label(const std::string& form, const std::string& control) {
    return qobject_cast<QLabel*>(desktop.view(form).widgetOf(control))->text();
  }

  testing::TempFolder home;
  Desktop desktop;
};

TEST_F(DesktopTest, StartsWithTheMainWindowAndSwitchesThroughTheTools) {
  desktop.start();
  EXPECT_EQ(shown(), "frm1---");
  EXPECT_EQ(desktop.view("frm1").windowTitle(), QStringLiteral("Brimlet "));
  EXPECT_EQ(label("frm1", "STBF"), QStringLiteral("Keine Daten geladen"));

  click("frm1", "main_quorvel");
  EXPECT_EQ(shown(), "-frm8--");
  EXPECT_EQ(desktop.view("frm8").windowTitle(), QStringLiteral("Quorvel "));
  EXPECT_EQ(label("frm8", "STBC"), QStringLiteral("Daten: 0 Bytes"));

  click("frm8", "qvl_memdel");
  EXPECT_EQ(label("frm8", "STBC"), QStringLiteral("Daten: 0 Bytes"));
  EXPECT_TRUE(desktop.program().workshop().clog.text().ends_with("Speicher gel\xF6scht\r\n"));

  click("frm8", "qvl_qzr");
  EXPECT_EQ(shown(), "--frm7-");
  click("frm7", "drm_qzc");
  EXPECT_EQ(shown(), "-frm8--");
  click("frm8", "qvl_qfs");
  EXPECT_EQ(shown(), "frm1---");
}

TEST_F(DesktopTest, ClosingAToolWindowShowsTheMainWindow) {
  desktop.start();
  click("frm1", "main_dremmick");
  EXPECT_EQ(shown(), "--frm7-");
  desktop.view("frm7").close();
  EXPECT_EQ(shown(), "frm1---");
  EXPECT_FALSE(desktop.program().ended());
}

TEST_F(DesktopTest, TheEndButtonEndsTheRun) {
  desktop.start();
  click("frm1", "main_close");
  EXPECT_TRUE(desktop.program().ended());
  EXPECT_EQ(shown(), "----");
}

}  // namespace
}  // namespace brimlet

namespace brimlet {
namespace {

TEST_F(DesktopTest, AClickDuringALongOperationIsDroppedAndKeepsTheWindowsGreyed) {
  desktop.start();
  Program& program = desktop.program();
  // Long enough for the sort to pump events, which starts after 33 ms.
  for (int i = 0; i < 1500000; ++i) program.main().fileList += "a.mp3\r\n";
  QWidget* button = desktop.view("frm1").widgetOf("main_neue");
  bool nestedRan = true;
  bool greyedAfterTheClick = false;
  QTimer::singleShot(0, [&] {  // fires inside the operation's event pumping
    desktop.run(program.workshop(), "qvl_memdel_Click", {});
    nestedRan = !program.workshop().clog.text().empty();
    greyedAfterTheClick = !button->isEnabled();
  });
  desktop.run(program.main(), "main_neue_Click", {});
  EXPECT_FALSE(nestedRan);
  EXPECT_TRUE(greyedAfterTheClick);
  EXPECT_TRUE(button->isEnabled());
}

}  // namespace
}  // namespace brimlet
