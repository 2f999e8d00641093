// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's opener replaced by a script on PATH that answers as
// xdg-open does: 0 when a program took the file, 3 or 4 when none did.
#include "ui/external_opener.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace brimlet {
namespace {

class ExternalOpenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("PATH");
    savedPath_ = path != nullptr ? path : "";
    ::setenv("PATH", (bin.path() + ":" + savedPath_).c_str(), 1);
  }
  void TearDown() override { ::setenv("PATH", savedPath_.c_str(), 1); }

  void opener(const std::string& body) {
    bin.write("xdg-open", "#!/bin/sh\n" + body + "\n");
    ::chmod(bin.file("xdg-open").c_str(), 0755);
  }
  // The answer, waiting for it as the event loop would.
  std::optional<bool> open(const std::string& target) {
    std::optional<bool> answer;
    int answers = 0;
    ExternalOpener desktop;
    desktop.open(QString::fromStdString(target), [&](bool opened) {
      answer = opened;
      ++answers;
    });
    QElapsedTimer waited;
    waited.start();
    while (!answer && waited.elapsed() < 10000) QCoreApplication::processEvents();
    EXPECT_EQ(answers, 1);
    return answer;
  }

  testing::TempFolder bin;
  testing::TempFolder files;

 private:
  std::string savedPath_;
};

// The opener starts at once even when it finds nothing: its exit status
// is the only word on whether a browser came up.
TEST_F(ExternalOpenerTest, TheOpenersExitStatusDecides) {
  opener("echo \"$1\" > " + files.file("target") + "; exit 0");
  EXPECT_EQ(open("file:///tmp/Brimlet.html#qvl"), true);
  EXPECT_EQ(files.read("target"), "file:///tmp/Brimlet.html#qvl\n");
  opener("exit 3");
  EXPECT_EQ(open("file:///tmp/Brimlet.html"), false);
  opener("kill -9 $$");
  EXPECT_EQ(open("file:///tmp/Brimlet.html"), false);
}

TEST_F(ExternalOpenerTest, NoOpenerAtAllIsAFailure) {
  ::setenv("PATH", bin.path().c_str(), 1);
  EXPECT_EQ(open("file:///tmp/Brimlet.html"), false);
}

}  // namespace
}  // namespace brimlet
