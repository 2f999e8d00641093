#include <gtest/gtest.h>

#include "cli/scripted_platform.h"
#include "core/clipboard.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

// Collects what the routines report, as "mode|sentence" lines.
class RecordingReporter : public Reporter {
 public:
  void report(int mode, int64_t count, std::string_view noun, std::string_view suffix) override {
    lines.push_back(std::to_string(mode) + "|" + reportSentence(count, noun, suffix));
  }
  void mainLog(std::string_view message, int mode) override {
    lines.push_back("main " + std::to_string(mode) + "|" + std::string(message));
  }
  std::vector<std::string> lines;
};

TEST(ClipboardPaste, HandsOverTheWholeBlockBeyondTheFirstNul) {
  ScriptedPlatform platform;
  RecordingReporter reporter;
  platform.clipboard = std::string("ab\0cd\0\0", 7);
  const auto block = clipboardPaste(platform, reporter);
  ASSERT_TRUE(block);
  EXPECT_EQ(*block, std::string("ab\0cd\0\0", 7));
  EXPECT_EQ(reporter.lines, (std::vector<std::string>{cp("0|daten aus dem clipboard eingefügt")}));
}

TEST(ClipboardPaste, NoTextIsReportedAndYieldsNothing) {
  ScriptedPlatform platform;
  RecordingReporter reporter;
  EXPECT_FALSE(clipboardPaste(platform, reporter));
  EXPECT_EQ(reporter.lines, (std::vector<std::string>{"0|keine textdaten im clipboard"}));
}

TEST(ClipboardCopy, PutsTextAndOneNulAndRefusesAnEmptyBlock) {
  ScriptedPlatform platform;
  RecordingReporter reporter;
  platform.clipboard = "old";
  ASSERT_TRUE(putTextOnClipboard(platform, reporter, "neu"));
  EXPECT_EQ(*platform.clipboard, std::string("neu\0", 4));
  EXPECT_TRUE(reporter.lines.empty());  // success is the caller's to report

  EXPECT_FALSE(clipboardCopy(platform, reporter, ""));
  EXPECT_EQ(reporter.lines, (std::vector<std::string>{cp("0|keine daten fürs clipboard")}));
}

TEST(ClipboardCopy, AnEmptyTextStillPutsItsNul) {
  ScriptedPlatform platform;
  RecordingReporter reporter;
  ASSERT_TRUE(putTextOnClipboard(platform, reporter, ""));
  EXPECT_EQ(*platform.clipboard, std::string("\0", 1));
}

}  // namespace
}  // namespace brimlet
