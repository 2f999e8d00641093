// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "core/cp1252.h"
#include "core/text_file_form.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

class WorkshopFileForm : public testing::ProgramTest {
 protected:
  void SetUp() override {
    program.start();
    program.showTool(Tool::Workshop);
  }
  void load(const std::string& name, const std::string& bytes) {
    files.write(name, bytes);
    w.invoke("frm8_MessageProc", {files.file(name)});
  }
  void saveAs(const std::string& name) {
    platform.addAnswer("Quorvel - Speichern", files.file(name));
    w.invoke("qvl_save_Click");
  }
  void chooseInStatusBar(int entry) {
    platform.addAnswer("menu", std::to_string(entry));
    w.invoke("STBC_MouseDown", {"1"});
  }
  [[nodiscard]] std::string topLogLine() const {
    const std::string& log = w.clog.text();
    return log.substr(10, log.find('\r') - 10);  // after "hh:mm:ss: "
  }

  Workshop& w = program.workshop();
  testing::TempFolder files;
};

struct SampleFile {
  const char* kind;
  std::string bytes;
};

class UnchangedSave : public WorkshopFileForm, public ::testing::WithParamInterface<SampleFile> {};

TEST_P(UnchangedSave, GivesTheFileBackByteForByte) {
  load("in.txt", GetParam().bytes);
  saveAs("out.txt");
  EXPECT_EQ(files.read("out.txt"), GetParam().bytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryKind, UnchangedSave, ::testing::Values(
    SampleFile{"Windows1252CrLf", "Gr\xFC\xDF" "e\r\nzwei\r\n"},
    SampleFile{"Utf8Lf", "Gr\xC3\xBC\xC3\x9F" "e\nzwei\n"},
    SampleFile{"Utf8CrLf", "Gr\xC3\xBC\xC3\x9F" "e\r\nzwei\r\n"},
    SampleFile{"Windows1252Lf", "Gr\xFC\xDF" "e\nzwei\n"},
    SampleFile{"AsciiLf", "eins\nzwei\n"},
    SampleFile{"ByteOrderMark", "\xEF\xBB\xBF" "\xC3\xA4\r\n"},
    SampleFile{"BinaryWithNuls", "\x7F" "ELF\0\0\x01\xFF\n\0\x80\n"s}),
    [](const auto& row) { return std::string(row.param.kind); });
// clang-format on

TEST_F(WorkshopFileForm, ALinuxFileIsSortedLowercasedAndSavedAsItCame) {
  load("liste.txt", "\xC3\x84pfel\nBirne\n\xC3\x96l\nAnanas\n");
  EXPECT_EQ(w.working().text(), "\xC4pfel\r\nBirne\r\n\xD6l\r\nAnanas\r\n");
  EXPECT_EQ(w.STBC.text(), "Daten: 26 Bytes ~~~ UTF-8, LF");
  w.invoke("qvl_srt_Click");
  w.invoke("qvl_lcse_Click");
  saveAs("liste.txt");
  const std::string saved = files.read("liste.txt");
  EXPECT_EQ(saved, "ananas\n\xC3\xA4pfel\nbirne\n\xC3\xB6l\n");
  EXPECT_TRUE(isValidUtf8(saved));
}

TEST_F(WorkshopFileForm, AnEmojiIsKeptAsBytesAndSaidSo) {
  const std::string bytes = "Gru\xC3\x9F \xF0\x9F\x98\x80\n";
  load("emoji.txt", bytes);
  EXPECT_EQ(w.working().undoCopy(), bytes.substr(0, bytes.size() - 1) + "\r\n");
  EXPECT_EQ(topLogLine(), foreignCharactersKeptMessage());
  saveAs("emoji.txt");
  EXPECT_EQ(files.read("emoji.txt"), bytes);
}

TEST_F(WorkshopFileForm, ALoadedTextGainsOnlyItsFinalLineEnd) {
  load("kurz.txt", "a\nb");
  EXPECT_EQ(w.working().text(), "a\r\nb\r\n");
  EXPECT_EQ(w.working().undoCopy(), "a\r\nb");
  saveAs("kurz.txt");
  EXPECT_EQ(files.read("kurz.txt"), "a\nb\n");
}

TEST_F(WorkshopFileForm, TheStatusBarMenuChangesTheSavedForm) {
  load("text.txt", "\xC3\xA4\n");
  chooseInStatusBar(5);  // CR LF
  EXPECT_EQ(w.STBC.text(), "Daten: 3 Bytes ~~~ UTF-8, CR LF");
  EXPECT_EQ(topLogLine(), "speichern als UTF-8, CR LF");
  chooseInStatusBar(2);  // Windows-1252
  saveAs("text.txt");
  EXPECT_EQ(files.read("text.txt"), "\xE4\r\n");
  chooseInStatusBar(1);  // UTF-8 with its mark
  chooseInStatusBar(4);  // LF
  saveAs("text.txt");
  EXPECT_EQ(files.read("text.txt"), "\xEF\xBB\xBF\xC3\xA4\n");
}

TEST_F(WorkshopFileForm, AMenuLeftOrTheSameFormChosenSaysNothing) {
  load("text.txt", "a\n");
  const std::string log = w.clog.text();
  chooseInStatusBar(-1);
  chooseInStatusBar(4);  // LF, as it is
  EXPECT_EQ(w.clog.text(), log);
  EXPECT_EQ(w.working().form().lineEnds, FileLineEnds::Lf);
}

TEST_F(WorkshopFileForm, LineEndButtonsSetTheFormOfTheFile) {
  load("unix.txt", "a\nb\n");
  w.invoke("qvl_unx_Click");
  EXPECT_EQ(topLogLine(), "speichern als UTF-8, CR LF");
  saveAs("unix.txt");
  EXPECT_EQ(files.read("unix.txt"), "a\r\nb\r\n");

  w.invoke("qvl_dos_Click");
  EXPECT_EQ(topLogLine(), "speichern als UTF-8, LF");
  saveAs("unix.txt");
  EXPECT_EQ(files.read("unix.txt"), "a\nb\n");
}

TEST_F(WorkshopFileForm, PastedAndHandedOverTextsHaveTheWindowsForm) {
  load("unix.txt", "\xC3\xA4\n");
  platform.clipboard = "\xE4\r\n";
  w.invoke("qvl_pst_Click");
  EXPECT_EQ(w.working().form(), kWindowsForm);

  load("unix.txt", "\xC3\xA4\n");
  program.handToWorkshop("\xE4\r\n");
  EXPECT_EQ(w.working().form(), kWindowsForm);
  EXPECT_EQ(w.STBC.text(), "Daten: 3 Bytes ~~~ Windows-1252, CR LF");
}

TEST_F(WorkshopFileForm, AnUnreadableFileKeepsTextAndForm) {
  load("unix.txt", "a\n");
  w.invoke("frm8_MessageProc", {files.file("fehlt.txt")});
  EXPECT_EQ(w.working().form().lineEnds, FileLineEnds::Lf);
  EXPECT_EQ(w.working().text(), "a\r\n");
}

}  // namespace
}  // namespace brimlet
