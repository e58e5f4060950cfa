#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/file_system.h"
#include "platform/private_files.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

class StandardFileSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("keyloom-fs-test-" + std::to_string(std::random_device()()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(std::string_view name) const { return JoinPath(Utf8(folder_), name); }
  int EntryCount() const {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  FileSystem& files_ = StandardFileSystem();
  fs::path folder_;
};

TEST_F(StandardFileSystemTest, ReplacesWithExactBytesAndLeavesNoTemporaryFile) {
  const std::string path = PathOf("list.kyl");
  const std::string first("one\r\ntwo\x01\0three", 15);
  ASSERT_TRUE(files_.ReplaceFile(path, first));
  EXPECT_EQ(files_.ReadFile(path), first);
  ASSERT_TRUE(files_.ReplaceFile(path, "second"));
  EXPECT_EQ(files_.ReadFile(path), "second");
  EXPECT_EQ(EntryCount(), 1);
}

#ifndef _WIN32
TEST_F(StandardFileSystemTest, PrivateFilesAreTheOwnersAloneAndRemoveLeavesNothing) {
  PrivateFiles& private_files = OwnerOnlyFiles();
  const std::string path = PathOf("learned-words");
  ASSERT_TRUE(private_files.Replace(path, "3\tsecret\n"));
  EXPECT_EQ(private_files.Read(path), "3\tsecret\n");
  EXPECT_EQ(fs::status(folder_ / "learned-words").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(private_files.Remove(path));
  EXPECT_TRUE(private_files.Remove(path));  // gone already
  EXPECT_EQ(EntryCount(), 0);
}
#endif

TEST_F(StandardFileSystemTest, FailedReplaceKeepsWhatWasThere) {
  // A folder standing where the file should go makes the final rename fail.
  const std::string path = PathOf("taken");
  fs::create_directory(folder_ / "taken");
  std::ofstream(folder_ / "taken" / "inside") << "keep";
  EXPECT_FALSE(files_.ReplaceFile(path, "new"));
  EXPECT_TRUE(fs::is_directory(folder_ / "taken"));
  EXPECT_EQ(files_.ReadFile(JoinPath(path, "inside")), "keep");
  EXPECT_EQ(EntryCount(), 1);
}

TEST_F(StandardFileSystemTest, ReplaceInMissingFolderFails) {
  EXPECT_FALSE(files_.ReplaceFile(JoinPath(PathOf("missing"), "x.kyl"), "x"));
}

TEST_F(StandardFileSystemTest, ReadsOnlyRegularFiles) {
  EXPECT_EQ(files_.ReadFile(PathOf("absent")), std::nullopt);
  EXPECT_EQ(files_.ReadFile(Utf8(folder_)), std::nullopt);
  ASSERT_TRUE(files_.ReplaceFile(PathOf("empty"), ""));
  EXPECT_EQ(files_.ReadFile(PathOf("empty")), "");
}

TEST_F(StandardFileSystemTest, HandlesUtf8Names) {
  const std::string path = PathOf("caf\xc3\xa9 \xd0\x96.kyl");
  ASSERT_TRUE(files_.ReplaceFile(path, "x"));
  EXPECT_TRUE(fs::exists(folder_ / fs::path(u8"caf\u00e9 \u0416.kyl")));
  EXPECT_EQ(files_.ReadFile(path), "x");
}

TEST_F(StandardFileSystemTest, EnsuresWritableFolders) {
  const std::string nested = JoinPath(PathOf("a"), "b");
  EXPECT_TRUE(files_.EnsureWritableFolder(nested));
  EXPECT_TRUE(fs::is_directory(folder_ / "a" / "b"));
  EXPECT_TRUE(fs::is_empty(folder_ / "a" / "b"));
  ASSERT_TRUE(files_.ReplaceFile(PathOf("plain"), "x"));
  EXPECT_FALSE(files_.EnsureWritableFolder(JoinPath(PathOf("plain"), "sub")));
}

TEST(JoinPathTest, AddsOneSeparator) {
  const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
  EXPECT_EQ(JoinPath("/app", "x.kyl"), "/app" + separator + "x.kyl");
  EXPECT_EQ(JoinPath("/app/", "x.kyl"), "/app/x.kyl");
  EXPECT_EQ(JoinPath("C:\\app\\", "x.kyl"), "C:\\app\\x.kyl");
  EXPECT_EQ(JoinPath("", "x.kyl"), "x.kyl");
}

}  // namespace
}  // namespace keyloom
