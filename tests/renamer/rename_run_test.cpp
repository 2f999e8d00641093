// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/cp1252.h"
#include "renamer/folder_contents.h"
#include "renamer/rename_journal.h"

namespace brimlet {
namespace {

using Names = std::vector<std::string>;

class RenameRunTest : public ::testing::Test {
 protected:
  Names contents() const { return testing::folderContents(folder); }
  void create(std::initializer_list<const char*> names) {
    for (const char* name : names) folder.write(name, name);
  }
  ApplyResult apply(const std::vector<RenamePair>& pairs) {
    NoProgress progress;
    return applyRenames(folder.path(), pairs, journal(), progress);
  }
  UndoResult undo() {
    NoProgress progress;
    return undoRenames(journal(), progress);
  }
  std::string journal() const { return home.file("Brimlet_rueck.dat"); }

  testing::TempFolder folder;
  testing::TempFolder home;
};

TEST_F(RenameRunTest, PairsAreRenamedInOrderAndUndoneLastFirst) {
  create({"a", "b"});
  const ApplyResult result = apply({{"b", "c"}, {"a", "b"}});
  EXPECT_EQ(result.status, ApplyStatus::Done);
  EXPECT_EQ(result.renamed, 2);
  EXPECT_EQ(contents(), (Names{"b=a", "c=b"}));
  const UndoResult undone = undo();
  EXPECT_EQ(undone.undone, 2);
  EXPECT_TRUE(undone.failed.empty());
  EXPECT_EQ(undone.folder, folder.path());
  EXPECT_EQ(contents(), (Names{"a=a", "b=b"}));
  EXPECT_FALSE(std::filesystem::exists(journal()));
  EXPECT_EQ(undo().status, UndoStatus::NoJournal);
}

TEST_F(RenameRunTest, ATakenNameStopsTheRunAndBothFilesStay) {
  create({"a", "b", "c"});
  const ApplyResult result = apply({{"c", "d"}, {"a", "b"}, {"d", "e"}});
  EXPECT_EQ(result.status, ApplyStatus::RenameFailed);
  EXPECT_EQ(result.renamed, 1);
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "d=c"}));
}

TEST_F(RenameRunTest, ASwapOfTwoNamesFailsAndLeavesBoth) {
  create({"x", "y"});
  EXPECT_EQ(apply({{"x", "y"}, {"y", "x"}}).status, ApplyStatus::RenameFailed);
  EXPECT_EQ(contents(), (Names{"x=x", "y=y"}));
}

TEST_F(RenameRunTest, MissingEntriesAreSkippedAndCounted) {
  create({"b"});
  const ApplyResult result = apply({{"a", "1"}, {"b", "2"}, {"?", "3"}});
  EXPECT_EQ(result.status, ApplyStatus::Done);
  EXPECT_EQ(result.renamed, 1);
  EXPECT_EQ(result.missing, 2);
  EXPECT_EQ(contents(), (Names{"2=b"}));
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"b=b"}));
}

TEST_F(RenameRunTest, AnUnchangedNameIsNoFailure) {
  create({"a", "b"});
  const ApplyResult result = apply({{"a", "a"}, {"b", "c"}});
  EXPECT_EQ(result.status, ApplyStatus::Done);
  EXPECT_EQ(result.renamed, 2);
  EXPECT_EQ(contents(), (Names{"a=a", "c=b"}));
}

TEST_F(RenameRunTest, NewNamesGetTheirUtf8FormAndComeBack) {
  folder.write(
      "Gr\xC3\xB6\xC3\x9F"
      "e.mp3",
      "1");
  ASSERT_EQ(apply({{cp("Größe.mp3"), cp("Übersicht.mp3")}}).renamed, 1);
  EXPECT_EQ(contents(), (Names{"\xC3\x9C"
                               "bersicht.mp3=1"}));
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"Gr\xC3\xB6\xC3\x9F"
                               "e.mp3=1"}));
}

TEST_F(RenameRunTest, ANameThatLostACharacterIsNotFound) {
  folder.write("\xE2\x9C\x93.mp3", "1");
  folder.write("x.mp3", "2");
  const ApplyResult result = apply({{"?.mp3", "y.mp3"}});
  EXPECT_EQ(result.missing, 1);
  EXPECT_EQ(result.renamed, 0);
  EXPECT_EQ(contents(), (Names{"x.mp3=2", "\xE2\x9C\x93.mp3=1"}));
}

TEST_F(RenameRunTest, UndoAfterAPartialApplyTakesBackWhatWasDone) {
  create({"a", "b", "taken"});
  ASSERT_EQ(apply({{"a", "1"}, {"b", "taken"}}).status, ApplyStatus::RenameFailed);
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "taken=taken"}));
}

TEST_F(RenameRunTest, UndoNeverReplacesAndKeepsWhatItCouldNotDo) {
  create({"a", "b"});
  ASSERT_EQ(apply({{"a", "1"}, {"b", "2"}}).renamed, 2);
  folder.write("a", "new a");
  const UndoResult first = undo();
  EXPECT_EQ(first.undone, 1);
  EXPECT_EQ(first.failed, (Names{"1 -> a"}));
  EXPECT_EQ(contents(), (Names{"1=a", "a=new a", "b=b"}));
  std::filesystem::remove(folder.file("a"));
  const UndoResult second = undo();
  EXPECT_EQ(second.undone, 1);
  EXPECT_TRUE(second.failed.empty());
  EXPECT_EQ(contents(), (Names{"a=a", "b=b"}));
}

TEST_F(RenameRunTest, ARunThatRenamesNothingKeepsTheLastJournal) {
  create({"a"});
  ASSERT_EQ(apply({{"a", "b"}}).renamed, 1);
  EXPECT_EQ(apply({{"a", "c"}}).missing, 1);
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"a=a"}));
}

TEST_F(RenameRunTest, NothingIsRenamedWithoutAJournal) {
  create({"a"});
  NoProgress progress;
  const ApplyResult result = applyRenames(folder.path(), {{"a", "b"}},
                                          std::string(testing::kUnwritableFolder) + "j", progress);
  EXPECT_EQ(result.status, ApplyStatus::JournalFailed);
  EXPECT_EQ(contents(), (Names{"a=a"}));
}

TEST_F(RenameRunTest, TheLinkWayNeverReplacesEither) {
  create({"a", "b"});
  const int fd = ::open(folder.path().c_str(), O_PATH | O_DIRECTORY);
  EXPECT_EQ(renameByLink(fd, "a", "b"), EEXIST);
  EXPECT_EQ(renameByLink(fd, "a", "c"), 0);
  EXPECT_EQ(renameByLink(fd, "gone", "d"), ENOENT);
  ::close(fd);
  EXPECT_EQ(contents(), (Names{"b=b", "c=a"}));
}

TEST_F(RenameRunTest, TheConflictsAreMarkedBeforeApplying) {
  create({"a", "b", "c", "d", "taken"});
  const std::vector<RenamePair> pairs = {{"a", "taken"}, {"b", "twice"}, {"c", "twice"},
                                         {"d", "d"},     {"", "taken"},  {"", "free"}};
  EXPECT_EQ(conflictingPairs(folder.path(), pairs),
            (std::vector<bool>{true, true, true, false, false, false}));
}

// A crash leaves the plan and the marks written so far; the last pair
// handled may have been renamed without its mark.
TEST_F(RenameRunTest, UndoAfterACrashUsesThePlanAndTheMarks) {
  create({"1", "2", "c"});
  const std::string plan =
      journalPlan(folder.path(), {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"gone", "4"}});
  home.write("Brimlet_rueck.dat", plan);
  const UndoResult result = undo();
  EXPECT_EQ(result.undone, 2);
  EXPECT_TRUE(result.failed.empty());
  EXPECT_EQ(contents(), (Names{"a=1", "b=2", "c=c"}));
}

TEST(RenameJournal, OnlyACompletePlanIsAJournal) {
  const std::string plan = journalPlan("/f/", {{"a", "b"}, {"c", "d"}});
  for (size_t cut = 0; cut < plan.size(); ++cut) {
    EXPECT_FALSE(parseJournal(plan.substr(0, cut))) << cut;
  }
  const std::optional<Journal> journal = parseJournal(plan + "RFE");
  ASSERT_TRUE(journal);
  EXPECT_EQ(journal->folder, "/f/");
  EXPECT_EQ(journal->pairs[1].from, "c");
  EXPECT_EQ(journal->marks, "RF");
  EXPECT_TRUE(journal->ended);
}

TEST(RenameJournal, UndoLooksAtRenamedPairsAndTheGroupInFlight) {
  const std::vector<SystemPair> pairs(kMarkGroup + 5, {"a", "b"});
  std::vector<size_t> group(kMarkGroup);
  for (size_t i = 0; i < kMarkGroup; ++i) group[i] = kMarkGroup - i;
  group.push_back(0);
  const std::pair<std::string, std::vector<size_t>> cases[] = {
      {"RSURE", {3, 0}},
      {"RRFE", {1, 0}},
      {"R", group},
      {std::string(kMarkGroup + 5, 'S'), {}},
  };
  for (const auto& [marks, expected] : cases) {
    const std::optional<Journal> journal = parseJournal(journalPlan("/f/", pairs) + marks);
    ASSERT_TRUE(journal);
    EXPECT_EQ(pairsToUndo(*journal), expected) << marks;
  }
}

}  // namespace
}  // namespace brimlet
