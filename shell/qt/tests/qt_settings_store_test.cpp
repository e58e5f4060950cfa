#include "shell/qt/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shell/qt/tests/qt_app.h"

namespace keyloom {
namespace {

class QtSettingsStoreTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureQtApp();
    ASSERT_TRUE(dir_.isValid());
  }
  std::string Path() const { return (dir_.path() + "/Keyloom/Keyloom.conf").toStdString(); }

  QTemporaryDir dir_;
};

TEST_F(QtSettingsStoreTest, MissingValuesReadAsNothingAndAreNotCreated) {
  QtSettingsStore store(Path());
  EXPECT_EQ(store.Read("Options", "Boost"), std::nullopt);
  EXPECT_EQ(store.Read("Options", "Boost"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, TextsComeBackExactly) {
  QtSettingsStore store(Path());
  const std::string values[] = {"1",
                                "",
                                "/home/ann/My lists/phrases, old.kyl",
                                "a=b;c#d",
                                "  spaces  ",
                                "\"quoted\"",
                                "back\\slash",
                                "caf\xc3\xa9 \xe2\x82\xac"};
  for (const std::string& value : values) {
    ASSERT_TRUE(store.Write("File", "Import", value));
    EXPECT_EQ(store.Read("File", "Import"), value);
    QtSettingsStore fresh(Path());
    EXPECT_EQ(fresh.Read("File", "Import"), value);
  }
}

TEST_F(QtSettingsStoreTest, SectionsKeepTheirOwnValues) {
  QtSettingsStore store(Path());
  ASSERT_TRUE(store.Write("Options", "AutoImort", "0"));
  ASSERT_TRUE(store.Write("File", "AutoImort", "1"));
  EXPECT_EQ(store.Read("Options", "AutoImort"), "0");
  EXPECT_EQ(store.Read("File", "AutoImort"), "1");
}

TEST_F(QtSettingsStoreTest, BothProgramsSeeEachOthersWrites) {
  QtSettingsStore quipcast(Path());
  QtSettingsStore keyloom(Path());
  EXPECT_EQ(keyloom.Read("File", "Import"), std::nullopt);
  ASSERT_TRUE(quipcast.Write("File", "Import", "/tmp/list.kyl"));
  EXPECT_EQ(keyloom.Read("File", "Import"), "/tmp/list.kyl");
  ASSERT_TRUE(keyloom.Write("File", "Import", "/tmp/words.txt"));
  EXPECT_EQ(quipcast.Read("File", "Import"), "/tmp/words.txt");
}

TEST_F(QtSettingsStoreTest, AFileThatCannotBeWrittenRefusesTheWrite) {
  // The store's folder is taken by a file, so the INI file cannot be created.
  QFile blocker(dir_.path() + "/Keyloom");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QtSettingsStore store(Path());
  EXPECT_FALSE(store.Write("Options", "Boost", "1"));
}

}  // namespace
}  // namespace keyloom
