// SPDX-License-Identifier: GPL-3.0-or-later
// A long sort in the workshop window on the offscreen platform, stopped as a
// person would: Esc, or the window's close box, while it runs.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <random>

#include "ui/desktop_fixture.h"

namespace brimlet {
namespace {

// Enough random lines that the sort runs well past the first event pump.
std::string unsortedText() {
  std::mt19937 random(7);
  std::string text;
  while (text.size() < (6 << 20)) {
    for (int i = 0; i < 12; ++i) text += static_cast<char>('a' + random() % 26);
    text += "\r\n";
  }
  return text;
}

class CancelView : public testing::DesktopFixture {
 protected:
  CancelView() : text(unsortedText()) {
    click("frm1", "main_quorvel");
    workshop().working().replace(text);
    workshop().working().replaceUndoCopy("undo");
  }
  Workshop& workshop() { return desktop.program().workshop(); }

  // Runs the sort with `stop` done at the first event pump; true when the
  // sort was still running then.
  bool sortStoppedBy(const std::function<void()>& stop) {
    bool duringSort = false;
    QTimer::singleShot(0, [&] {
      duringSort = desktop.program().session().busy.busy();
      statusDuringSort = workshop().STBC.text();
      stop();
    });
    click("frm8", "qvl_srt");
    return duringSort;
  }

  void expectUnchanged() {
    EXPECT_TRUE(workshop().working().text() == text);
    EXPECT_EQ(workshop().working().undoCopy(), "undo");
    EXPECT_TRUE(workshop().clog.text().find("abgebrochen\r\n") < 30) << workshop().clog.text();
    EXPECT_FALSE(workshop().PRBC.visible());
  }

  const std::string text;
  std::string statusDuringSort;
};

TEST_F(CancelView, EscStopsTheSort) {
  ASSERT_TRUE(sortStoppedBy(
      [this] { QTest::keyClick(desktop.view("frm8").widgetOf("clog"), Qt::Key_Escape); }));
  expectUnchanged();
  // The text being sorted is not shown as gone while the sort runs.
  EXPECT_EQ(statusDuringSort,
            "Daten: " + std::to_string(text.size()) + " Bytes ~~~ Windows-1252, CR LF");
  EXPECT_TRUE(desktop.view("frm8").isVisible());
  // The window works as before: the next sort runs to its end.
  click("frm8", "qvl_srt");
  EXPECT_TRUE(workshop().working().undoCopy() == text);
  EXPECT_TRUE(workshop().working().text().starts_with("aaa"));
}

TEST_F(CancelView, ClosingTheWindowStopsTheSortAndThenCloses) {
  ASSERT_TRUE(sortStoppedBy([this] { desktop.view("frm8").close(); }));
  expectUnchanged();
  // The workshop's close goes back to the main window, once the text is back.
  EXPECT_FALSE(desktop.view("frm8").isVisible());
  EXPECT_TRUE(desktop.view("frm1").isVisible());
}

}  // namespace
}  // namespace brimlet
