#include "completion/word_store_locate.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_file_system.h"

namespace keyloom {
namespace {

class OpenWordStoreTest : public ::testing::Test {
 protected:
  OpenWordStoreTest() {
    folders_ = {"/opt/keyloom", "/usr/share/keyloom", "/home/u/.local/share/Keyloom"};
  }

  // A store whose only word names where it lies.
  void PutStore(const std::string& folder, const std::string& word,
                std::string_view password = kWordStorePassword) {
    files_.SetFile(JoinPath(folder, kWordStoreFileName),
                   SealWordStore({word}, password, 2).value());
  }

  // The word of the store that opened, or "" when none did.
  std::string Opened() {
    const std::optional<WordStore> store = OpenWordStore(folders_, files_);
    return store ? std::string(store->Row(0)) : "";
  }

  AppFolders folders_;
  FakeFileSystem files_;
};

TEST_F(OpenWordStoreTest, PrefersTheProgramFolder) {
  PutStore(folders_.program, "program");
  PutStore(folders_.installed_data, "installed");
  PutStore(folders_.user_data, "user");
  EXPECT_EQ(Opened(), "program");
}

TEST_F(OpenWordStoreTest, FallsBackToTheInstalledThenTheUserFolder) {
  PutStore(folders_.installed_data, "installed");
  PutStore(folders_.user_data, "user");
  EXPECT_EQ(Opened(), "installed");
  files_.RemoveFile(JoinPath(folders_.installed_data, kWordStoreFileName));
  EXPECT_EQ(Opened(), "user");
}

TEST_F(OpenWordStoreTest, PassesOverAStoreThatDoesNotOpen) {
  files_.SetFile(JoinPath(folders_.program, kWordStoreFileName), "not a store");
  PutStore(folders_.installed_data, "installed", "wrong password");
  PutStore(folders_.user_data, "user");
  EXPECT_EQ(Opened(), "user");
}

TEST_F(OpenWordStoreTest, PassesOverAnUnreadableFileAndAnUnsetFolder) {
  PutStore(folders_.program, "program");
  files_.SetUnreadable(JoinPath(folders_.program, kWordStoreFileName), true);
  folders_.installed_data.clear();
  PutStore("", "nowhere");
  PutStore(folders_.user_data, "user");
  EXPECT_EQ(Opened(), "user");
}

TEST_F(OpenWordStoreTest, NoStoreAnywhereLeavesItClosed) { EXPECT_EQ(Opened(), ""); }

}  // namespace
}  // namespace keyloom
