// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clipboard.h"

#include <gtest/gtest.h>

#include "cli/scripted_platform.h"
#include "core/cp1252.h"

namespace brimlet {
namespace {

// Collects what the routines report, as "mode|sentence" lines.
class RecordingReporter : public Reporter {
 public:
  void log(std::string_view message, LogMode mode) override {
    lines.push_back(std::to_string(static_cast<int>(mode)) + "|" + std::string(message));
  }
  void mainLog(std::string_view message) override {
    lines.push_back("main|" + std::string(message));
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

namespace brimlet {
namespace {

struct ForeignText {
  std::string in;
  std::string out;
};

TEST(TextFromOtherPrograms, LineEndsBecomeCrLf) {
  const ForeignText cases[] = {
      {"a\nb\nc", "a\r\nb\r\nc"},    // a list typed elsewhere
      {"a\r\nb\r\n", "a\r\nb\r\n"},  // already CR LF: no CR doubled
      {"\n\n", "\r\n\r\n"},          // blank lines at the start
      {"a\rb", "a\rb"},              // a lone CR is left alone
      {"a\r\r\nb", "a\r\r\nb"},
      {"", ""},
  };
  for (const ForeignText& c : cases) EXPECT_EQ(textFromOtherPrograms(c.in), c.out) << c.in;
}

TEST(TextForOtherPrograms, EndsAtTheFirstNulWithLfLineEnds) {
  const ForeignText cases[] = {
      {"a\r\nb\r\n", "a\nb\n"},
      {std::string("a\r\nb\0c\r\nd\0", 10), "a\nb"},  // the tail stays inside
      {std::string("\0a", 2), ""},
      {"a\rb\nc", "a\rb\nc"},  // only the pair is a line end to translate
      {"a\r\r\n", "a\r\n"},
      {"a\r", "a\r"},
  };
  for (const ForeignText& c : cases) EXPECT_EQ(textForOtherPrograms(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace brimlet
