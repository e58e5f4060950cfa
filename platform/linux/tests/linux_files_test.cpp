#include "platform/linux/linux_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace keyloom {
namespace {

namespace fs = std::filesystem;

class LinuxFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("linux-files-test-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  static unsigned Mode(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
  }
  static std::string Content(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path folder_;
};

TEST_F(LinuxFilesTest, APrivateFileIsTheOwnersAloneInAFolderOnlyTheOwnerEnters) {
  const mode_t old_mask = umask(0);  // a careless umask changes nothing
  const std::string folder = Path("Keyloom");
  fs::create_directory(folder);
  chmod(folder.c_str(), 0755);
  const std::string file = folder + "/learned-words";
  EXPECT_TRUE(LinuxPrivateFiles().Replace(file, "3\tword\n"));
  umask(old_mask);
  EXPECT_EQ(Mode(file), 0600u);
  EXPECT_EQ(Mode(folder), 0700u);
  EXPECT_EQ(LinuxPrivateFiles().Read(file), "3\tword\n");
}

TEST_F(LinuxFilesTest, AListFileKeepsItsPermissionsAndItsLink) {
  const std::string target = Path("phrases.kyl");
  const std::string link = Path("link.kyl");
  std::ofstream(target) << "old";
  chmod(target.c_str(), 0640);
  fs::create_symlink("phrases.kyl", link);
  EXPECT_TRUE(LinuxFileSystem().ReplaceFile(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Content(target), "new");
  EXPECT_EQ(Mode(target), 0640u);
  EXPECT_EQ(fs::directory_iterator(folder_)->path().filename().string().find(".saving"),
            std::string::npos);
}

TEST_F(LinuxFilesTest, WhatAKilledSaveLeftGoesAtTheNextReadAndAFailedSaveLeavesTheOld) {
  const std::string file = Path("list.kyl");
  std::ofstream(file) << "kept";
  std::ofstream(file + ".saving") << "half";
  EXPECT_EQ(LinuxFileSystem().ReadFile(file), "kept");
  EXPECT_FALSE(fs::exists(file + ".saving"));

  // A folder where the file should be: the rename fails, and nothing is left behind.
  const std::string folder = Path("taken");
  fs::create_directory(folder);
  EXPECT_FALSE(LinuxFileSystem().ReplaceFile(folder, "content"));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_FALSE(fs::exists(folder + ".saving"));
}

}  // namespace
}  // namespace keyloom
