// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog on a laptop screen with a panel: its frame, title
// bar included, inside the work area, and its panel never squeezed into
// sideways scrolling.
#include <gtest/gtest.h>

#include <QScrollArea>

#include "desktop_fixture.h"
#include "fit_screen.h"

namespace brimlet {
namespace {

// The offscreen platform draws no frame; the one a window manager adds is
// the placement's assumed one.
const QSize kFrame(WindowPlacement::kAssumedFrameWidth, WindowPlacement::kAssumedFrameHeight);
constexpr int kPanel = 32;

std::vector<QRect> workAreas() {
  const QSize screen = testing::testScreenSize();
  return {{0, 0, screen.width(), screen.height() - kPanel},        // panel below
          {0, kPanel, screen.width(), screen.height() - kPanel}};  // panel above
}

void expectLeastSizeFits(const QWidget& window, const QRect& area) {
  const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize()) + kFrame;
  EXPECT_LE(least.width(), area.width()) << window.objectName().toStdString();
  EXPECT_LE(least.height(), area.height()) << window.objectName().toStdString();
}

using WindowFitTest = testing::DesktopFixture;

TEST_F(WindowFitTest, EveryWindowOpensInsideTheWorkAreaWithItsPanelWhole) {
  for (const QRect& area : workAreas()) {
    WindowPlacement placement({"frm1", "frm7", "frm8"});
    for (const char* form : {"frm1", "frm7", "frm8", "frm4"}) {
      WindowView& window = desktop.view(form);
      expectLeastSizeFits(window, area);
      placement.restore(window, form, area);
      window.show();
      const QRect frame(window.pos(), window.size() + kFrame);
      EXPECT_TRUE(area.contains(frame)) << form << " " << frame.x() << "," << frame.y() << " "
                                        << frame.width() << "x" << frame.height();
      for (const QScrollArea* scroll : window.findChildren<QScrollArea*>()) {
        EXPECT_GE(scroll->viewport()->width(), scroll->widget()->minimumSizeHint().width()) << form;
      }
      window.hide();
    }
  }
}

TEST_F(WindowFitTest, EveryDialogFitsTheWorkArea) {
  for (const QRect& area : workAreas()) {
    for (const char* form : {"frm2", "frm3", "frm5", "frm6"}) {
      DialogView& dialog = desktop.dialog(form);
      expectLeastSizeFits(dialog, area);
      dialog.adjustSize();
      EXPECT_LE(dialog.height() + kFrame.height(), area.height()) << form;
      EXPECT_LE(dialog.width() + kFrame.width(), area.width()) << form;
    }
  }
}

// The windows at their widest: the display with its tools, the main window
// with its quick combine, both shown after the panel was first laid out.
TEST_F(WindowFitTest, ControlsShownLaterFitThePanel) {
  click("frm1", "main_quorvel");
  desktop.program().workshop().working().replace("eins\r\n");
  click("frm8", "qvl_show");
  desktop.program().main().findControl("main_comb0")->setVisible(true);
  desktop.syncAll();
  for (const char* form : {"frm4", "frm1"}) {
    WindowView& window = desktop.view(form);
    window.show();
    for (const QScrollArea* scroll : window.findChildren<QScrollArea*>()) {
      EXPECT_GE(scroll->viewport()->width(), scroll->widget()->minimumSizeHint().width()) << form;
    }
  }
}

}  // namespace
}  // namespace brimlet
