// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "core/cp1252.h"
#include "core/text_file_form.h"
#include "program/program_fixture.h"

namespace brimlet {
namespace {

using namespace std::string_literals;

class MainWindowTest : public testing::ProgramTest {
 protected:
  void SetUp() override {
    home.write("Brimlet_edgs.txt", "Audio=.mp3+.flac+#\r\nBilder=.jpg+#\r\n");
    program.start();
  }

  MainWindow& main() { return program.main(); }
  void run(std::string_view handler, const std::vector<std::string>& args = {}) {
    ASSERT_TRUE(main().invoke(handler, args)) << handler;
  }
  // The log oldest line first, without the time stamps "08:09:10: ".
  [[nodiscard]] std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    const std::string& log = main().zlog.text();
    for (size_t start = 0; start < log.size();) {
      const size_t end = log.find("\r\n", start);
      lines.insert(lines.begin(), log.substr(start + 10, end - start - 10));
      start = end + 2;
    }
    return lines;
  }
  testing::TempFolder files;
};

TEST_F(MainWindowTest, AFolderWithOnlyAnEmptySubfolderDependsOnTheSetting) {
  std::filesystem::create_directories(files.path() + "tree/leer");
  const std::string folder = files.path() + "tree";
  main().fileList = "alt\r\n";
  platform.addAnswer(cp("Ordner zum Einlesen auswählen"), folder + "/");
  run("main_dimp_Click");
  EXPECT_EQ(logLines().back(), "verzeichnis leer");
  EXPECT_EQ(main().fileList, "");
  EXPECT_EQ(main().processedList(), "");

  // Only 0 reads subfolders; a settings file may hold any digit.
  for (const int setting : {1, 2, 9}) {
    program.session().settings[Setting::OhneUnterverzeichnisse] = setting;
    platform.addAnswer(cp("Ordner zum Einlesen auswählen"), folder + "/");
    run("main_dimp_Click");
    EXPECT_EQ(main().fileList, folder + "/leer\r\n") << setting;
  }
}

TEST_F(MainWindowTest, ImportConvertsDirListingsAndFileNameListings) {
  files.write("musikdir.txt",
              " Verzeichnis von C:\\M\r\n\r\n01.01.2020  10:00                12 a.mp3\r\n");
  run("frm1_MessageProc", {files.file("musikdir.txt")});
  EXPECT_EQ(main().fileList, "12;C:\\M\\a.mp3\r\n");
  EXPECT_EQ(main().processedList(), "12;C:\\M\\a.mp3\r\n***\r\n");
  EXPECT_EQ(logLines().back(), "datei geladen + in Gruppen sortiert");

  const std::string listing = "File name\r\n---\r\nb.jpg  \r\nc\r\n2 Dateien\r\n";
  files.write("l.csv", listing);
  files.write("l.txt", listing);
  platform.addAnswer("Brimlet Dateiwahl", files.file("l.csv"));
  run("main_fimp_Click");
  EXPECT_EQ(main().fileList, "b.jpg\r\nc\r\n");
  EXPECT_EQ(main().processedList(), "b.jpg\r\n***\r\nc\r\n***\r\n");
  EXPECT_EQ(main().window().text(), "Brimlet " + files.file("l.csv"));
  const auto lines = logLines();
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"...leerzeichen am zeilenende entfernen...",
                                      "2 leerzeichen entfernt", "...gruppen sortieren...",
                                      "datei geladen + in Gruppen sortiert"}));
  run("frm1_MessageProc", {files.file("l.txt")});
  EXPECT_EQ(main().fileList, listing);

  const std::string longName = std::string(70, 'n') + ".txt";
  files.write(longName, "x\r\n");
  run("frm1_MessageProc", {files.file(longName)});
  EXPECT_EQ(main().window().text(), "Brimlet " + std::string(55, 'n') + ".txt");
}

// A list from `find` is UTF-8 with LF line ends: it comes in line by line
// as the program's text, and sorts into the groups.
TEST_F(MainWindowTest, AListMadeByFindImportsLineByLine) {
  const std::string tree = files.file("t");
  for (const char* name : {"\xC3\x9C"
                           "bersicht.jpg",
                           "Lied \xC3\xA4.mp3", "notiz.txt"}) {
    files.write("t/" + std::string(name), "");
  }
  ASSERT_EQ(
      std::system(("cd '" + tree + "' && find . -type f | LC_ALL=C sort >../liste.txt").c_str()),
      0);
  run("frm1_MessageProc", {files.file("liste.txt")});
  EXPECT_EQ(main().fileList,
            "./Lied \xE4.mp3\r\n./notiz.txt\r\n./\xDC"
            "bersicht.jpg\r\n");
  EXPECT_EQ(main().lineCount, 3);
  EXPECT_EQ(main().buckets.bucket(0), "./Lied \xE4.mp3\r\n");
  EXPECT_EQ(main().buckets.bucket(1),
            "./\xDC"
            "bersicht.jpg\r\n");
  EXPECT_EQ(logLines().back(), "datei geladen + in Gruppen sortiert");

  // A name beyond Windows-1252 keeps the list's bytes, and says so.
  files.write("t/\xE6\x97\xA5.mp3", "");
  ASSERT_EQ(
      std::system(
          ("cd '" + tree + "' && find . -name '*.mp3' | LC_ALL=C sort >../liste.txt").c_str()),
      0);
  run("frm1_MessageProc", {files.file("liste.txt")});
  EXPECT_EQ(main().fileList, "./Lied \xC3\xA4.mp3\r\n./\xE6\x97\xA5.mp3\r\n");
  const auto lines = logLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), foreignCharactersKeptMessage()), lines.end());
}

TEST_F(MainWindowTest, AFolderWithNamesBeyondWindows1252SaysHowMany) {
  for (const char* name : {"a.mp3", "\xE6\x97\xA5.mp3", "sub/\xF0\x9F\x8E\xB5.mp3", "?.mp3"}) {
    files.write("t/" + std::string(name), "");
  }
  platform.addAnswer(cp("Ordner zum Einlesen auswählen"), files.file("t/"));
  run("main_dimp_Click");
  const std::string t = files.file("t");
  EXPECT_EQ(main().fileList,
            t + "/?.mp3\r\n" + t + "/?.mp3\r\n" + t + "/a.mp3\r\n" + t + "/sub/?.mp3\r\n");
  const auto lines = logLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "2 namen mit zeichen ausserhalb windows-1252 (als ? gezeigt)"),
            lines.end());
}

TEST_F(MainWindowTest, DroppingAFolderOrNothingUsableKeepsTheList) {
  main().fileList = "alt\r\n";
  run("frm1_MessageProc", {files.path()});
  EXPECT_EQ(logLines().back(), cp("-fehler: " + files.path() +
                                  " ist ein ordner, nur dateien können eingelesen werden"));
  run("frm1_MessageProc", {files.file("fehlt.txt")});
  EXPECT_EQ(logLines().back(), "datei existiert nicht");
  ASSERT_EQ(::mkfifo(files.file("fifo").c_str(), 0600), 0);
  run("frm1_MessageProc", {files.file("fifo")});
  EXPECT_EQ(logLines().back(), cp("keine gültige datei"));
  // Chosen in the dialog, a path past the system's limit says so.
  platform.addAnswer("Brimlet Dateiwahl", files.file(std::string(5000, 'n')));
  run("main_fimp_Click");
  EXPECT_EQ(logLines().back(), "pfad zu lang");
  files.write("leer.txt", "");
  const size_t logged = logLines().size();
  run("frm1_MessageProc", {files.file("leer.txt")});
  EXPECT_EQ(logLines().size(), logged);
  EXPECT_EQ(main().fileList, "alt\r\n");
}

TEST_F(MainWindowTest, PasteKeepsTheBlockWithItsNulAndTail) {
  platform.clipboard = "a.mp3  \r\nb\0junk"s;
  run("main_pst_Click");
  // The last line "b" ends before the block's NUL; what follows is no line.
  EXPECT_EQ(main().fileList, "a.mp3\r\nb\r\n\0junk"s);
  EXPECT_EQ(main().processedList(), "a.mp3\r\n***\r\nb\r\n***\r\n");
  EXPECT_EQ(main().window().text(), cp("Brimlet Eingefügt"));
  EXPECT_EQ(logLines(),
            (std::vector<std::string>{cp("daten aus dem clipboard eingefügt"),
                                      "...ggfs leerzeichen am zeilenende entfernen...",
                                      "2 leerzeichen entfernt", "...gruppen sortieren...",
                                      cp("eingefügt + in Gruppen sortiert")}));

  platform.clipboard = "abc\0"s;
  run("main_pst_Click");
  EXPECT_EQ(main().fileList, "abc\r\n\0"s);
}

TEST_F(MainWindowTest, SortAgainFollowsTheSetting) {
  main().fileList = "b.TXT\r\na.mp3\r\nc.txt\r\n";
  main().lineCount = 3;
  program.session().settings[Setting::Sortieren] = 1;
  run("main_neue_Click");
  EXPECT_EQ(main().processedList(), "a.mp3\r\n***\r\nb.TXT\r\nc.txt\r\n***\r\n");
  EXPECT_EQ(logLines().back(), " + einzeln sortiert");
  program.session().settings[Setting::Sortieren] = 2;
  run("main_neue_Click");
  EXPECT_EQ(main().processedList(), main().fileList);
  EXPECT_EQ(logLines().back(), " + nicht sortiert");
  EXPECT_EQ(main().sortModeUsed, SortMode::None);
}

TEST_F(MainWindowTest, CleanUpsChangeTheBucketsAndReport) {
  main().fileList.clear();
  run("main_remp_Click");
  EXPECT_EQ(logLines().back(), "keine daten geladen");

  platform.clipboard = "C:\\M\\Song 12.mp3\r\n/u/x.b/readme\r\nplain 3,45\r\n\0"s;
  run("main_pst_Click");
  run("main_remx_Click");
  EXPECT_EQ(main().processedList(),
            "C:\\M\\Song 12\r\n***\r\n/u/x.b/readme\r\nplain 3,45\r\n***\r\n");
  EXPECT_EQ(logLines().back(), "1 dateiendungen entfernt");
  run("main_remp_Click");
  EXPECT_EQ(main().processedList(), "Song 12\r\n***\r\nreadme\r\nplain 3,45\r\n***\r\n");
  EXPECT_EQ(logLines().back(), "2 pfade entfernt");
  run("main_zfe_Click");
  EXPECT_EQ(main().processedList(), "Song \r\n***\r\nreadme\r\nplain \r\n***\r\n");
  EXPECT_EQ(logLines().back(), "6 zahlen entfernt");
  run("main_lze_Click");
  EXPECT_EQ(main().processedList(), "Song\r\n***\r\nreadme\r\nplain\r\n***\r\n");
  EXPECT_EQ(logLines().back(), "2 leerzeichen entfernt");
  run("main_lze_Click");
  EXPECT_EQ(logLines().back(), "keine leerzeichen vorhanden");
  EXPECT_EQ(main().STBF.text().substr(main().STBF.text().rfind(' ')), " 3");
}

TEST_F(MainWindowTest, CopyPutsTheProcessedListAndANulOnTheClipboard) {
  run("main_cpy_Click");
  EXPECT_EQ(logLines().back(), "keine daten geladen");
  EXPECT_FALSE(platform.clipboard.has_value());
  platform.clipboard = "x.jpg\r\n";
  run("main_pst_Click");
  run("main_cpy_Click");
  EXPECT_EQ(platform.clipboard, "x.jpg\r\n***\r\n\0"s);
  EXPECT_EQ(logLines().back(), "daten ins clipboard kopiert");
}

TEST_F(MainWindowTest, HandOverToTheWorkshopKeepsAnUndoCopy) {
  run("main_inqvl_Click");
  EXPECT_EQ(logLines().back(), "keine daten geladen");
  main().fileList = "a.mp3\r\n";
  program.workshop().working().replaceUndoCopy("alt");
  run("main_inqvl_Click");
  EXPECT_EQ(program.workshop().working().text(), "a.mp3\r\n");
  EXPECT_EQ(program.workshop().working().undoCopy(), "alt");
  EXPECT_EQ(logLines().back(), "in quorvel kopiert");
  EXPECT_FALSE(program.workshop().window().visible());
}

TEST_F(MainWindowTest, AListFromTheWorkshopIsShownUnsorted) {
  program.handToMainList("b.mp3\r\na.jpg");
  EXPECT_EQ(main().processedList(), "b.mp3\r\na.jpg\r\n");
  EXPECT_EQ(main().buckets.total, 2);
  EXPECT_EQ(logLines().back(), "in brimlet kopiert +  + nicht sortiert");
}

// Every way a list comes in, each given "a.mp3" CR LF "C:\b.jpg" with no
// final line end: the last line is a line like the others.
enum class WayIn { Import, Paste, HandOver, CommandLine };

class IncomingList : public MainWindowTest, public ::testing::WithParamInterface<WayIn> {
 protected:
  void give(const std::string& list) {
    switch (GetParam()) {
      case WayIn::Import:
        files.write("liste.txt", list);
        run("frm1_MessageProc", {files.file("liste.txt")});
        break;
      case WayIn::Paste:
        platform.clipboard = list + '\0';
        run("main_pst_Click");
        break;
      case WayIn::HandOver:
        program.handToMainList(list);
        break;
      case WayIn::CommandLine:
        main().takeUnsortedList(list);
        break;
    }
  }
};

TEST_P(IncomingList, KeepsALastLineWithoutLineEnd) {
  give("a.mp3\r\nC:\\b.jpg");
  // A pasted block keeps its NUL behind the text.
  EXPECT_TRUE(main().fileList.starts_with("a.mp3\r\nC:\\b.jpg\r\n")) << main().fileList;
  EXPECT_EQ(main().lineCount, 2);
  EXPECT_NE(main().processedList().find("C:\\b.jpg\r\n"), std::string::npos)
      << main().processedList();
  EXPECT_TRUE(main().STBF.text().ends_with("Zeilen: 2")) << main().STBF.text();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, IncomingList,
                         ::testing::Values(WayIn::Import, WayIn::Paste, WayIn::HandOver,
                                           WayIn::CommandLine));

// Unsorted, the last line used to get the "***" glued on ("C:\m\b.jpg***")
// and so kept its drive letter.
TEST_F(MainWindowTest, AnUnsortedLastLineKeepsItsOwnLineForTheDriveLetterChange) {
  main().takeUnsortedList("a.mp3\r\nC:\\m\\b.jpg");
  run("main_lwb_Click");
  main().driveLetters.findControl("lwb_ed")->setText("D:");
  ASSERT_TRUE(main().driveLetters.invoke("lwb_user_Click"));
  EXPECT_EQ(main().processedList(), "a.mp3\r\nD:\\m\\b.jpg\r\n***\r\n");
}

}  // namespace
}  // namespace brimlet
