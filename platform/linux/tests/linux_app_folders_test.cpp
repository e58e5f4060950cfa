#include "platform/linux/linux_app_folders.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(LinuxAppFoldersTest, InstalledProgramFindsItsShareFolder) {
  const AppFolders folders = LinuxAppFolders("/usr/bin/quipcast", "", "/home/ann");
  EXPECT_EQ(folders.program, "/usr/bin");
  EXPECT_EQ(folders.installed_data, "/usr/share/keyloom");
  EXPECT_EQ(folders.user_data, "/home/ann/.local/share/Keyloom");
  EXPECT_TRUE(folders.installed);
}

TEST(LinuxAppFoldersTest, AProgramOutsideABinFolderIsNotInstalled) {
  EXPECT_FALSE(LinuxAppFolders("/home/ann/keyloom/build/quipcast", "", "/home/ann").installed);
}

TEST(LinuxAppFoldersTest, DataHomeComesFromTheEnvironment) {
  const AppFolders folders = LinuxAppFolders("/opt/k/bin/keyloom", "/data/ann", "/home/ann");
  EXPECT_EQ(folders.installed_data, "/opt/k/share/keyloom");
  EXPECT_EQ(folders.user_data, "/data/ann/Keyloom");
}

TEST(LinuxAppFoldersTest, RelativeDataHomeIsIgnored) {
  EXPECT_EQ(LinuxAppFolders("/usr/bin/quipcast", "rel/dir", "/home/ann").user_data,
            "/home/ann/.local/share/Keyloom");
}

}  // namespace
}  // namespace keyloom
