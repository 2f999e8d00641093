// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <type_traits>
#include <vector>

#include "core/cp1252.h"
#include "core/load_limit.h"
#include "core/progress.h"
#include "core/system_calls.h"
#include "support/temp_folder.h"

namespace brimlet {
namespace {

using testing::TempFolder;

size_t entriesIn(const TempFolder& folder) {
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
  }
  return entries;
}

struct stat statOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

TEST(WholeFiles, EveryByteValueIsWrittenAndReadBack) {
  TempFolder folder;
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  ASSERT_TRUE(writeWholeFile(folder.file("all.bin"), bytes));
  const FileRead read = readWholeFile(folder.file("all.bin"));
  EXPECT_EQ(read.status, ReadStatus::Ok);
  EXPECT_EQ(read.bytes, bytes);
}

// Only regular files are read: anything else would block (a FIFO with no
// writer) or never end (/dev/zero).
TEST(WholeFiles, ReadingRefusesWhatIsNoRegularFileAtOnce) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
  folder.write("real.txt", "text");
  ASSERT_EQ(::symlink(folder.file("real.txt").c_str(), folder.file("link.txt").c_str()), 0);
  const struct {
    std::string path;
    ReadStatus status;
    const char* message;
  } cases[] = {
      {folder.file("none"), ReadStatus::Missing, "datei existiert nicht"},
      {folder.file("none/x.txt"), ReadStatus::Missing, "datei existiert nicht"},
      {folder.path(), ReadStatus::IsFolder, "keine g\xFCltige datei"},
      {folder.file("fifo"), ReadStatus::NotAFile, "keine g\xFCltige datei"},
      {"/dev/zero", ReadStatus::NotAFile, "keine g\xFCltige datei"},
      {folder.file(std::string(300, 'x')), ReadStatus::TooLong, "pfad zu lang"},
      {folder.file("link.txt"), ReadStatus::Ok, ""},
  };
  for (const auto& c : cases) {
    const FileRead read = readWholeFile(c.path);
    EXPECT_EQ(read.status, c.status) << c.path;
    if (c.status != ReadStatus::Ok) {
      EXPECT_EQ(readFailureText(read.status), c.message) << c.path;
    }
  }
  EXPECT_EQ(fileStatus(folder.path()), ReadStatus::IsFolder);
  EXPECT_EQ(fileStatus(folder.file(std::string(300, 'x'))), ReadStatus::TooLong);
  EXPECT_EQ(fileStatus(folder.file("fifo")), ReadStatus::Ok);
}

TEST(WholeFiles, AReadCanStopAtABound) {
  TempFolder folder;
  folder.write("six.txt", "abcdef");
  const struct {
    size_t atMost;
    std::string bytes;
    bool cut;
  } cases[] = {{0, "", true}, {3, "abc", true}, {6, "abcdef", false}, {7, "abcdef", false}};
  for (const auto& c : cases) {
    const FileRead read = readWholeFile(folder.file("six.txt"), c.atMost);
    EXPECT_EQ(read.bytes, c.bytes) << c.atMost;
    EXPECT_EQ(read.cut, c.cut) << c.atMost;
  }
}

// Remembers what a read reported; Esc is pressed at the `stopAt`th report.
class RecordedProgress final : public Progress {
 public:
  explicit RecordedProgress(size_t stopAt = SIZE_MAX) : stopAt_(stopAt) {}
  void setMaximum(int64_t maximum) override { maximum_ = maximum; }
  void setValue(int64_t value) override {
    values_.push_back(value);
    if (values_.size() == stopAt_) throw OperationCancelled{};
  }
  int64_t maximum_ = -1;
  std::vector<int64_t> values_;

 private:
  size_t stopAt_;
};

TEST(WholeFiles, AReadShowsHowFarItGotAndStopsWhenAsked) {
  TempFolder folder;
  const std::string bytes(1'000'000, 'x');
  folder.write("large.txt", bytes);
  RecordedProgress progress;
  EXPECT_EQ(readWholeFile(folder.file("large.txt"), progress).bytes, bytes);
  EXPECT_EQ(progress.maximum_, 1'000'000);
  ASSERT_GT(progress.values_.size(), 2U);  // more than the start and the end
  EXPECT_TRUE(std::is_sorted(progress.values_.begin(), progress.values_.end()));
  EXPECT_EQ(progress.values_.back(), 1'000'000);

  RecordedProgress stopped(2);
  EXPECT_THROW((void)readWholeFile(folder.file("large.txt"), stopped), OperationCancelled);
}

TEST(WholeFiles, AFilePastWhatTheProgramCanHoldIsRefusedBeforeItIsRead) {
  TempFolder folder;
  folder.write("huge.txt", "");
  // Sparse: the size without the blocks.
  ASSERT_EQ(::truncate(folder.file("huge.txt").c_str(), off_t{3} << 30), 0);
  const FileRead read = readWholeFile(folder.file("huge.txt"));
  EXPECT_EQ(read.status, ReadStatus::TooLarge);
  EXPECT_TRUE(read.bytes.empty());
  EXPECT_EQ(readFailureText(read.status), cp("datei zu groß"));
  // A bounded read takes the start of any file.
  EXPECT_EQ(readWholeFile(folder.file("huge.txt"), 4).bytes, std::string(4, '\0'));
}

TEST(WholeFiles, TheLargestLoadableFileIsAThirdOfTheMemoryUpTo2GB) {
  constexpr uint64_t kGiB = uint64_t{1} << 30;
  const struct {
    uint64_t available;
    uint64_t largest;
  } cases[] = {{0, 0},
               {2, 0},
               {3, 1},
               {3 * kGiB, kGiB},
               {6 * kGiB, 2 * kGiB - 1},
               {64 * kGiB, 2 * kGiB - 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(largestLoadableFile(c.available), c.largest) << c.available;
  }
}

TEST(WholeFiles, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
  TempFolder folder;
  folder.write("keep.txt", "old");
  folder.write("readonly.txt", "old");
  ::chmod(folder.file("readonly.txt").c_str(), 0444);
  ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.file("dir.txt"));
  for (const std::string& path :
       {folder.file("dir.txt"), folder.file("readonly.txt"), folder.file("fifo"),
        std::string(testing::kUnwritableFolder) + "x.txt", folder.file("missing/x.txt")}) {
    EXPECT_FALSE(writeWholeFile(path, "new")) << path;
  }
  EXPECT_EQ(folder.read("keep.txt"), "old");
  EXPECT_EQ(folder.read("readonly.txt"), "old");
  EXPECT_EQ(entriesIn(folder), 4u);
}

TEST(WholeFiles, AReplacedFileKeepsModeAndOwner) {
  TempFolder folder;
  folder.write("mode.txt", "old");
  ::chmod(folder.file("mode.txt").c_str(), 0640);
  const bool mayChown = ::chown(folder.file("mode.txt").c_str(), 4321, 4321) == 0;
  ASSERT_TRUE(writeWholeFile(folder.file("mode.txt"), "new"));
  const struct stat info = statOf(folder.file("mode.txt"));
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  if (mayChown) {
    EXPECT_EQ(info.st_uid, 4321u);
  }
  EXPECT_EQ(folder.read("mode.txt"), "new");
}

TEST(WholeFiles, SavingThroughLinksWritesTheFileTheyName) {
  TempFolder folder;
  folder.write("sub/target.txt", "old");
  ASSERT_EQ(::symlink("sub/target.txt", folder.file("relative").c_str()), 0);
  ASSERT_EQ(::symlink(folder.file("relative").c_str(), folder.file("chain").c_str()), 0);
  ASSERT_EQ(::symlink("absent.txt", folder.file("dangling").c_str()), 0);
  ASSERT_EQ(::symlink("loop", folder.file("loop").c_str()), 0);
  for (const char* link : {"relative", "chain"}) {
    ASSERT_TRUE(writeWholeFile(folder.file(link), link));
    EXPECT_TRUE(S_ISLNK(statOf(folder.file(link)).st_mode)) << link;
    EXPECT_EQ(folder.read("sub/target.txt"), link);
  }
  ASSERT_TRUE(writeWholeFile(folder.file("dangling"), "made"));
  EXPECT_EQ(folder.read("absent.txt"), "made");
  EXPECT_FALSE(writeWholeFile(folder.file("loop"), "x"));
}

TEST(WholeFiles, AHardLinkedFileIsWrittenInPlaceForEveryName) {
  TempFolder folder;
  folder.write("one.txt", "a longer old text");
  ASSERT_EQ(::link(folder.file("one.txt").c_str(), folder.file("two.txt").c_str()), 0);
  const ino_t inode = statOf(folder.file("one.txt")).st_ino;
  ASSERT_TRUE(writeWholeFile(folder.file("one.txt"), "short"));
  EXPECT_EQ(folder.read("two.txt"), "short");
  EXPECT_EQ(statOf(folder.file("one.txt")).st_ino, inode);
}

TEST(WholeFiles, ANulInThePathNamesNoFile) {
  TempFolder folder;
  folder.write("notes", "fremd");
  const std::string path = folder.file(std::string("notes\0zz.txt", 12));
  EXPECT_FALSE(writeWholeFile(path, "neu"));
  EXPECT_FALSE(replaceFile(SystemPath{path}, "neu"));
  EXPECT_EQ(readWholeFile(path).status, ReadStatus::Missing);
  EXPECT_EQ(folder.read("notes"), "fremd");
}

// Replacing changes the name alone: the file a link named and the other
// names of a hard-linked file keep their text.
TEST(ReplaceFile, ReplacesTheNameNeverWhatItLeadsTo) {
  TempFolder folder;
  folder.write("input.txt", "input");
  folder.write("mode.txt", "old");
  ::chmod(folder.file("mode.txt").c_str(), 0640);
  ASSERT_EQ(::symlink("input.txt", folder.file("link").c_str()), 0);
  ASSERT_EQ(::link(folder.file("input.txt").c_str(), folder.file("hard").c_str()), 0);
  for (const char* name : {"link", "hard", "mode.txt", "new.txt"}) {
    ASSERT_TRUE(replaceFile(SystemPath{folder.file(name)}, name)) << name;
    EXPECT_EQ(folder.read(name), name);
    EXPECT_TRUE(S_ISREG(statOf(folder.file(name)).st_mode)) << name;
  }
  EXPECT_EQ(folder.read("input.txt"), "input");
  EXPECT_EQ(statOf(folder.file("mode.txt")).st_mode & 0777, 0640u);
}

TEST(ReplaceFile, RefusesWhatIsNoFileOrLink) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(folder.file("dir"));
  for (const char* name : {"fifo", "dir"}) {
    EXPECT_FALSE(replaceFile(SystemPath{folder.file(name)}, "x")) << name;
  }
  EXPECT_TRUE(S_ISFIFO(statOf(folder.file("fifo")).st_mode));
  EXPECT_EQ(entriesIn(folder), 2u);
}

// An output handed to the system is never flushed: with a flush that
// always fails, only the save that asks for the disk fails.
TEST(WholeFiles, AnOutputForTheSystemIsReplacedWithoutAFlush) {
  TempFolder folder;
  folder.write("out.txt", "old");
  folder.write("linked.txt", "old");
  ASSERT_EQ(::link(folder.file("linked.txt").c_str(), folder.file("link2.txt").c_str()), 0);
  const SystemCalls original = systemCalls();
  systemCalls().fsync = [](int) {
    errno = EIO;
    return -1;
  };
  EXPECT_FALSE(writeWholeFile(folder.file("out.txt"), "disk"));
  EXPECT_TRUE(writeWholeFile(folder.file("out.txt"), "system", Durability::System));
  EXPECT_TRUE(writeWholeFile(folder.file("linked.txt"), "in place", Durability::System));
  EXPECT_TRUE(writeWholeFile(folder.file("new.txt"), "new", Durability::System));
  systemCalls() = original;
  EXPECT_EQ(folder.read("out.txt"), "system");
  EXPECT_EQ(folder.read("link2.txt"), "in place");
  EXPECT_EQ(folder.read("new.txt"), "new");
}

// The seam: every call of the table counts, and the one numbered `failAt`
// fails as a full disk or a faulty one would.
struct Injection {
  SystemCalls original = systemCalls();
  int calls = 0;
  int failAt = 0;
  int mkstempError = 0;  // when set, mkstemp always fails with it
  bool landed = false;   // the new text reached the file's name
  bool inPlace = false;
};
Injection* injection = nullptr;

bool failNow() { return ++injection->calls == injection->failAt; }

template <auto A, auto B>
constexpr bool is() {
  if constexpr (std::is_same_v<decltype(A), decltype(B)>) {
    return A == B;
  } else {
    return false;
  }
}

template <class Fn>
struct Wrapped;
template <class R, class... A>
struct Wrapped<R (*)(A...)> {
  template <R (*SystemCalls::*Member)(A...)>
  static R call(A... args) {
    const bool fail = failNow();
    if constexpr (is<Member, &SystemCalls::mkstemp>()) {
      if (injection->mkstempError != 0) {
        errno = injection->mkstempError;
        return -1;
      }
    }
    if (fail) {
      errno = is<Member, &SystemCalls::pwrite>() ? ENOSPC : EIO;
      return static_cast<R>(is<Member, &SystemCalls::posixFallocate>() ? ENOSPC : -1);
    }
    const R result = (injection->original.*Member)(args...);
    if constexpr (is<Member, &SystemCalls::rename>()) injection->landed |= result == 0;
    if constexpr (is<Member, &SystemCalls::pwrite>())
      injection->landed |= injection->inPlace && result > 0;
    return result;
  }
};

template <auto Member>
void wrap(SystemCalls& calls) {
  using Fn = std::remove_reference_t<decltype(calls.*Member)>;
  calls.*Member = Wrapped<Fn>::template call<Member>;
}

class FaultInjection : public ::testing::Test {
 protected:
  void SetUp() override {
    injection = &state_;
    SystemCalls& c = systemCalls();
    wrap<&SystemCalls::open>(c);
    wrap<&SystemCalls::mkstemp>(c);
    wrap<&SystemCalls::read>(c);
    wrap<&SystemCalls::pwrite>(c);
    wrap<&SystemCalls::fsync>(c);
    wrap<&SystemCalls::close>(c);
    wrap<&SystemCalls::fstat>(c);
    wrap<&SystemCalls::stat>(c);
    wrap<&SystemCalls::lstat>(c);
    wrap<&SystemCalls::readlink>(c);
    wrap<&SystemCalls::access>(c);
    wrap<&SystemCalls::fchmod>(c);
    wrap<&SystemCalls::fchown>(c);
    wrap<&SystemCalls::posixFallocate>(c);
    wrap<&SystemCalls::ftruncate>(c);
    wrap<&SystemCalls::rename>(c);
    wrap<&SystemCalls::unlink>(c);
  }
  void TearDown() override {
    systemCalls() = state_.original;
    injection = nullptr;
  }

  // Saves over `name` once per call the save makes, failing that call; the
  // save must report every failure that cost the text, and leave either the
  // old text whole or, once it was already in place, the new one.
  void failEachCallInTurn(const TempFolder& folder, const std::string& name, const std::string& old,
                          size_t expectedEntries) {
    const std::string text = "the new text, longer than the old one";
    for (int n = 1;; ++n) {
      if (!old.empty()) folder.write(name, old);
      state_.calls = 0;
      state_.failAt = n;
      state_.landed = false;
      const bool saved = writeWholeFile(folder.file(name), text);
      const bool failedOne = state_.calls >= n;
      const std::string now = folder.read(name);
      if (saved) {
        EXPECT_EQ(now, text) << "call " << n;
      } else {
        EXPECT_TRUE(failedOne) << "failed without a fault, call " << n;
        EXPECT_EQ(now, state_.landed ? text : old) << "call " << n;
      }
      EXPECT_EQ(entriesIn(folder), expectedEntries) << "call " << n;
      if (!failedOne) break;
    }
  }

  Injection state_;
};

TEST_F(FaultInjection, ReplacingAFile) {
  TempFolder folder;
  failEachCallInTurn(folder, "a.txt", "old", 1);
}

TEST_F(FaultInjection, MakingANewFile) {
  TempFolder folder;
  for (int n = 1; n < 20; ++n) {
    std::filesystem::remove(folder.file("new.txt"));
    state_.calls = 0;
    state_.failAt = n;
    state_.landed = false;
    const bool saved = writeWholeFile(folder.file("new.txt"), "new");
    EXPECT_EQ(std::filesystem::exists(folder.file("new.txt")), saved || state_.landed) << n;
    EXPECT_LE(entriesIn(folder), 1u) << n;
  }
}

TEST_F(FaultInjection, WritingAHardLinkedFileInPlace) {
  TempFolder folder;
  folder.write("a.txt", "old");
  ASSERT_EQ(::link(folder.file("a.txt").c_str(), folder.file("b.txt").c_str()), 0);
  state_.inPlace = true;
  failEachCallInTurn(folder, "a.txt", "old", 2);
  EXPECT_EQ(folder.read("b.txt"), folder.read("a.txt"));
}

TEST_F(FaultInjection, NoTemporaryFileBesideAWritableFileWritesInPlace) {
  TempFolder folder;
  state_.mkstempError = EACCES;
  state_.inPlace = true;
  failEachCallInTurn(folder, "a.txt", "old", 1);
}

}  // namespace
}  // namespace brimlet
