#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/file_io.h"
#include "support/temp_folder.h"

namespace brimlet {
namespace {

using testing::TempFolder;

TEST(WholeFiles, EveryByteValueIsWrittenAndReadBack) {
  TempFolder folder;
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  ASSERT_TRUE(writeWholeFile(folder.file("all.bin"), bytes));
  const FileRead read = readWholeFile(folder.file("all.bin"));
  EXPECT_EQ(read.status, ReadStatus::Ok);
  EXPECT_EQ(read.bytes, bytes);
}

TEST(WholeFiles, ReadingTellsMissingFromFolder) {
  TempFolder folder;
  EXPECT_EQ(readWholeFile(folder.file("none")).status, ReadStatus::Missing);
  EXPECT_EQ(readWholeFile(folder.path()).status, ReadStatus::IsFolder);
  EXPECT_FALSE(fileExists(folder.path()));
}

TEST(WholeFiles, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
  TempFolder folder;
  folder.write("keep.txt", "old");
  // A folder in the target's place cannot be replaced by a file.
  std::filesystem::create_directory(folder.file("dir.txt"));
  EXPECT_FALSE(writeWholeFile(folder.file("dir.txt"), "new"));
  EXPECT_FALSE(writeWholeFile(std::string(testing::kUnwritableFolder) + "x.txt", "new"));
  EXPECT_FALSE(writeWholeFile(folder.file("missing/x.txt"), "new"));
  EXPECT_EQ(folder.read("keep.txt"), "old");
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 2u);
}

TEST(WholeFiles, AReplacedFileKeepsItsPermissions) {
  TempFolder folder;
  folder.write("mode.txt", "old");
  ::chmod(folder.file("mode.txt").c_str(), 0640);
  ASSERT_TRUE(writeWholeFile(folder.file("mode.txt"), "new"));
  struct stat info {};
  ::stat(folder.file("mode.txt").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(folder.read("mode.txt"), "new");
}

}  // namespace
}  // namespace brimlet
