// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "program/program_fixture.h"

namespace brimlet::testing {

// A started program whose groups are "Audio" (.mp3, .flac) and "Bilder"
// (.jpg), with a folder for the files the tests write and read.
class ListerTest : public ProgramTest {
 protected:
  void SetUp() override {
    home.write("Brimlet_edgs.txt", "Audio=.mp3+.flac+#\r\nBilder=.jpg+#\r\n");
    program.start();
  }

  MainWindow& main() { return program.main(); }
  void run(WindowModel& window, std::string_view handler,
           const std::vector<std::string>& args = {}) {
    ASSERT_TRUE(window.invoke(handler, args)) << handler;
  }
  void run(std::string_view handler, const std::vector<std::string>& args = {}) {
    run(main(), handler, args);
  }
  // Takes a list and sorts it by the sort setting.
  void load(const std::string& list) {
    main().fileList = list;
    run("main_neue_Click");
  }
  // The newest line of the main log, without its time stamp.
  [[nodiscard]] std::string lastLog() {
    const std::string& log = program.main().zlog.text();
    return log.size() < 10 ? std::string() : log.substr(10, log.find("\r\n") - 10);
  }

  TempFolder files;
};

}  // namespace brimlet::testing
