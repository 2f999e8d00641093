// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_run.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/cp1252.h"
#include "renamer/folder_contents.h"
#include "renamer/rename_journal.h"

namespace brimlet {
namespace {

using Names = std::vector<std::string>;
using Checks = std::vector<PairCheck>;
constexpr PairCheck kFree = PairCheck::Free;
constexpr PairCheck kChained = PairCheck::Chained;
constexpr PairCheck kConflict = PairCheck::Conflict;

// Pairs of ASCII names, whose system bytes are the names themselves.
std::vector<RenamePair> pairsOf(std::initializer_list<std::pair<const char*, const char*>> names) {
  std::vector<RenamePair> pairs;
  for (const auto& [from, to] : names) pairs.push_back({from, to, from});
  return pairs;
}

// A chain of `count` files "fNNNNN" each renamed one name down:
// f00001 -> f00000, f00002 -> f00001, ...
std::vector<RenamePair> chainOf(size_t count) {
  std::vector<RenamePair> pairs;
  char from[16];
  char to[16];
  for (size_t i = 1; i <= count; ++i) {
    std::snprintf(from, sizeof from, "f%05zu", i);
    std::snprintf(to, sizeof to, "f%05zu", i - 1);
    pairs.push_back({from, to, from});
  }
  return pairs;
}

// Stops the process that runs it when the run is about to take the chosen
// step, as a kill would: no destructor, no flush.
class KillAtStep final : public Progress {
 public:
  explicit KillAtStep(int64_t step) : step_(step) {}
  void setMaximum(int64_t) override {}
  void setValue(int64_t value) override {
    if (value == step_) ::raise(SIGKILL);
  }

 private:
  int64_t step_;
};

class RenameRunTest : public ::testing::Test {
 protected:
  Names contents() const { return testing::folderContents(folder); }
  void create(const std::vector<RenamePair>& pairs) {
    for (const RenamePair& pair : pairs) folder.write(pair.oldSystemName, pair.oldSystemName);
  }
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
  // The run in a child process that is killed before the chosen step.
  void applyKilledAt(const std::vector<RenamePair>& pairs, int64_t step) {
    const pid_t child = ::fork();
    if (child == 0) {
      KillAtStep progress(step);
      (void)applyRenames(folder.path(), pairs, journal(), progress);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before step " << step;
  }
  std::string journal() const { return home.file("Brimlet_rueck.dat"); }
  bool journalKept() const { return std::filesystem::exists(journal()); }

  testing::TempFolder folder;
  testing::TempFolder home;
};

TEST_F(RenameRunTest, PairsAreRenamedAndUndone) {
  create({"a", "b"});
  const ApplyResult result = apply(pairsOf({{"b", "c"}, {"a", "d"}}));
  EXPECT_EQ(result.status, ApplyStatus::Done);
  EXPECT_EQ(result.renamed, 2);
  EXPECT_EQ(contents(), (Names{"c=b", "d=a"}));
  const UndoResult undone = undo();
  EXPECT_EQ(undone.undone, 2);
  EXPECT_TRUE(undone.failed.empty());
  EXPECT_EQ(undone.folder, folder.path());
  EXPECT_EQ(contents(), (Names{"a=a", "b=b"}));
  EXPECT_FALSE(journalKept());
  EXPECT_EQ(undo().status, UndoStatus::NoJournal);
}

TEST_F(RenameRunTest, EachPairIsCheckedAgainstTheFolderAndThePlan) {
  create({"a", "b", "c", "d", "e", "f", "g", "h", "taken"});
  const std::vector<RenamePair> pairs = {
      {"a", "taken", "a"},                                        // exists outside the plan
      {"b", "twice", "b"}, {"c", "twice", "c"},                   // one new name for two files
      {"d", "d", "d"},                                            // unchanged
      {"", "taken", ""},   {"", "free", ""},                      // no entry paired
      {"e", "f", "e"},                                            // a chain e -> f -> new
      {"f", "new", "f"},   {"g", "h", "g"},     {"h", "g", "h"},  // a swap
      {"i", "..", "i"},                                           // no name
      {"j", "d", "j"},                                            // the name of a file that stays
  };
  EXPECT_EQ(checkPairs(folder.path(), pairs),
            (Checks{kConflict, kConflict, kConflict, kFree, kFree, kFree, kChained, kFree, kChained,
                    kChained, kConflict, kConflict}));
}

TEST_F(RenameRunTest, AConflictRenamesNothingAndLeavesTheLastJournal) {
  create({"a", "b", "x", "taken"});
  ASSERT_EQ(apply(pairsOf({{"x", "y"}})).renamed, 1);
  const ApplyResult result = apply(pairsOf({{"a", "free"}, {"b", "taken"}}));
  EXPECT_EQ(result.status, ApplyStatus::Conflicts);
  EXPECT_EQ(result.checks, (Checks{kFree, kConflict}));
  EXPECT_EQ(result.renamed, 0);
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "taken=taken", "y=x"}));
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "taken=taken", "x=x"}));
}

// Chains and cycles go through temporary names; the undo brings every name
// back and leaves no temporary name behind.
TEST_F(RenameRunTest, SwapsCyclesAndChainsAreAppliedAndUndone) {
  const std::vector<RenamePair> plans[] = {
      pairsOf({{"a", "b"}, {"b", "a"}}),
      pairsOf({{"a", "b"}, {"b", "c"}, {"c", "a"}, {"d", "e"}}),
      chainOf(1000),
  };
  for (const std::vector<RenamePair>& pairs : plans) {
    create(pairs);
    const Names before = contents();
    const ApplyResult result = apply(pairs);
    EXPECT_EQ(result.status, ApplyStatus::Done);
    EXPECT_EQ(result.renamed, static_cast<int64_t>(pairs.size()));
    for (const RenamePair& pair : pairs) {
      EXPECT_EQ(folder.read(pair.newName), pair.oldName) << pair.oldName;
    }
    EXPECT_EQ(contents().size(), before.size());
    const UndoResult undone = undo();
    EXPECT_EQ(undone.undone, static_cast<int64_t>(pairs.size()));
    EXPECT_TRUE(undone.failed.empty());
    EXPECT_EQ(contents(), before);
    EXPECT_FALSE(journalKept());
    std::filesystem::remove_all(folder.path());
    std::filesystem::create_directory(folder.path());
  }
}

// Killed in the middle of moving files to their temporary names, at the
// turn between the two phases, and in the middle of the second phase; the
// undo of each gives the folder back as it was, so the next starts there.
TEST_F(RenameRunTest, UndoAfterAKilledChainRunGivesBackEveryNameWithNoFalseReport) {
  const std::vector<RenamePair> pairs = chainOf(20000);
  create(pairs);
  const Names before = contents();
  for (const int64_t step : {7777, 20000, 33333}) {
    applyKilledAt(pairs, step);
    ASSERT_TRUE(journalKept());
    const UndoResult undone = undo();
    EXPECT_TRUE(undone.failed.empty()) << step << ": " << undone.failed.front();
    EXPECT_EQ(contents(), before) << step;
    EXPECT_FALSE(journalKept()) << step;
  }
}

TEST_F(RenameRunTest, UndoMovesOnlyTheFileTheRunRenamed) {
  create({"a", "b", "c"});
  ASSERT_EQ(apply(pairsOf({{"a", "x"}, {"b", "y"}, {"c", "z"}})).renamed, 3);
  // Another file now carries one new name, and the user renamed one file
  // back by hand.
  std::filesystem::remove(folder.file("x"));
  folder.write("x", "other");
  std::filesystem::rename(folder.file("y"), folder.file("b"));
  const UndoResult first = undo();
  EXPECT_EQ(first.undone, 1);
  EXPECT_EQ(first.failed, (Names{"x -> a"}));
  EXPECT_EQ(contents(), (Names{"b=b", "c=c", "x=other"}));
  EXPECT_TRUE(journalKept());
  // The journal now holds only the pair that could not be taken back.
  const UndoResult second = undo();
  EXPECT_EQ(second.undone, 0);
  EXPECT_EQ(second.failed, (Names{"x -> a"}));
  EXPECT_EQ(contents(), (Names{"b=b", "c=c", "x=other"}));
}

TEST_F(RenameRunTest, UndoNeverReplacesAndTriesAgainLater) {
  create({"a", "b"});
  ASSERT_EQ(apply(pairsOf({{"a", "1"}, {"b", "2"}})).renamed, 2);
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
  EXPECT_FALSE(journalKept());
}

TEST_F(RenameRunTest, MissingEntriesAreSkippedAndCounted) {
  create({"b", "c"});
  const ApplyResult result = apply(pairsOf({{"a", "1"}, {"b", "2"}, {"c", "c"}}));
  EXPECT_EQ(result.status, ApplyStatus::Done);
  EXPECT_EQ(result.renamed, 2);
  EXPECT_EQ(result.missing, 1);
  EXPECT_EQ(contents(), (Names{"2=b", "c=c"}));
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"b=b", "c=c"}));
}

// A name that cannot be made fails alone: the run goes on, names what
// failed, and a chained file whose new name stayed taken goes back under
// its old name instead of staying under a temporary one.
TEST_F(RenameRunTest, AFailedRenameIsNamedAndTouchesNothingElse) {
  create({"a", "b", "c"});
  const std::string tooLong(300, 'n');
  const ApplyResult result = apply(pairsOf({{"a", "b"}, {"b", tooLong.c_str()}, {"c", "d"}}));
  EXPECT_EQ(result.status, ApplyStatus::RenameFailed);
  EXPECT_EQ(result.failed, (Names{"b -> " + tooLong, "a -> b"}));
  EXPECT_EQ(result.renamed, 1);
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "d=c"}));
  EXPECT_EQ(undo().undone, 1);
  EXPECT_EQ(contents(), (Names{"a=a", "b=b", "c=c"}));
}

// "日.txt" and a real "?.txt" both show as "?.txt"; their own bytes keep
// them apart.
TEST_F(RenameRunTest, EntriesAreFoundByTheirSystemNames) {
  folder.write("\xE6\x97\xA5.txt", "J");
  folder.write("?.txt", "Q");
  const ApplyResult result =
      apply({{"?.txt", cp("Größe.txt"), "\xE6\x97\xA5.txt"}, {"?.txt", "Q.txt", "?.txt"}});
  EXPECT_EQ(result.renamed, 2);
  EXPECT_EQ(contents(), (Names{"Gr\xC3\xB6\xC3\x9F"
                               "e.txt=J",
                               "Q.txt=Q"}));
  EXPECT_EQ(undo().undone, 2);
  EXPECT_EQ(contents(), (Names{"?.txt=Q", "\xE6\x97\xA5.txt=J"}));
}

TEST_F(RenameRunTest, NothingIsRenamedWithoutAJournal) {
  create({"a"});
  NoProgress progress;
  const ApplyResult result = applyRenames(folder.path(), pairsOf({{"a", "b"}}),
                                          std::string(testing::kUnwritableFolder) + "j", progress);
  EXPECT_EQ(result.status, ApplyStatus::JournalFailed);
  EXPECT_EQ(contents(), (Names{"a=a"}));
}

// A link in the journal's place is replaced, never written through, and a
// journal that is a link is not taken.
TEST_F(RenameRunTest, TheJournalIsNeverALink) {
  create({"a"});
  home.write("victim", "keep");
  std::filesystem::create_symlink(home.file("victim"), journal());
  ASSERT_EQ(apply(pairsOf({{"a", "b"}})).renamed, 1);
  EXPECT_EQ(home.read("victim"), "keep");
  EXPECT_FALSE(std::filesystem::is_symlink(journal()));

  const std::string real = home.read("Brimlet_rueck.dat");
  home.write("elsewhere", real);
  std::filesystem::remove(journal());
  std::filesystem::create_symlink(home.file("elsewhere"), journal());
  EXPECT_EQ(undo().status, UndoStatus::Damaged);
  EXPECT_EQ(contents(), (Names{"b=a"}));
}

// One flipped byte or a name made by hand must not send a file out of its
// folder: such a journal renames nothing and stays for inspection.
TEST_F(RenameRunTest, AJournalNamingMoreThanOneEntryIsRefused) {
  create({"a0.txt"});
  ASSERT_EQ(apply(pairsOf({{"a0.txt", "b.txt"}})).renamed, 1);
  const std::string good = home.read("Brimlet_rueck.dat");
  const std::pair<std::string, std::string> damages[] = {
      {"a0.txt", "/0.txt"},
      {"a0.txt", "../a.t"},
      {
          "a0.txt",
          "..\0\0\0\0",
      },
      {"b.txt", "./..."},
  };
  for (const auto& [name, damaged] : damages) {
    std::string bytes = good;
    const size_t at = bytes.find(name + '\0');
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, name.size(), damaged);
    home.write("Brimlet_rueck.dat", bytes);
    EXPECT_EQ(undo().status, UndoStatus::Damaged) << damaged;
    EXPECT_EQ(home.read("Brimlet_rueck.dat"), bytes);
  }
  EXPECT_EQ(contents(), (Names{"b.txt=a0.txt"}));
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

TEST(RenameJournal, OnlyACompletePlanIsAJournal) {
  const std::vector<PlannedRename> renames = {{"a", "b", "", {1, 2, 0}},
                                              {"c", "d", "t", {3, 4, 5}}};
  const std::string plan = journalPlan("/f/", renames);
  for (size_t cut = 0; cut < plan.size(); ++cut) {
    EXPECT_FALSE(parseJournal(plan.substr(0, cut))) << cut;
  }
  const std::optional<Journal> journal = parseJournal(plan);
  ASSERT_TRUE(journal);
  EXPECT_EQ(journal->folder, "/f/");
  EXPECT_EQ(journal->renames[1].temp, "t");
  EXPECT_EQ(journal->renames[1].file, (FileIdentity{3, 4, 5}));
}

// A run cut short may have got one group past what it recorded.
TEST(RenameJournal, TheRecordTellsWhichStepsMayHaveHappened) {
  const std::vector<PlannedRename> renames(200, {"a", "b", "t", {1, 1, 1}});
  const std::string plan = journalPlan("/f/", renames);
  const std::pair<std::string, size_t> cases[] = {
      {"", kStepGroup},
      {"++", 3 * kStepGroup},
      {"+E", 400},
      {"E", 400},
  };
  for (const auto& [marks, reached] : cases) {
    EXPECT_EQ(parseJournal(plan + marks)->stepsReached, reached) << marks;
  }
  const std::vector<PlannedRename> mixed = {
      {"a", "b", "", {}}, {"c", "d", "t", {}}, {"e", "f", "", {}}, {"g", "h", "u", {}}};
  EXPECT_EQ(firstSteps(mixed), (std::vector<size_t>{2, 0, 3, 1}));
  EXPECT_EQ(stepCount(mixed), 6u);
}

}  // namespace
}  // namespace brimlet
