#include "shell/list_file_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_file_system.h"
#include "shell/fake/fake_dialogs.h"
#include "shell/fake/fake_settings_store.h"
#include "shell/fake/fake_window.h"
#include "shell/settings.h"
#include "shell/tests/test_window.h"

namespace keyloom {
namespace {

using Items = std::vector<std::string>;

constexpr const char* kDefaultFile = "/app/defaultkeys.kyl";

ListFileConfig PhraseConfig() {
  ListFileConfig config;
  config.layout = ListLayout::kPhrases;
  config.default_file = kDefaultFile;
  config.default_auto_import = "1";
  config.save_without_name_uses_default = true;
  return config;
}

ListFileConfig WordConfig(long long min_length = 4) {
  ListFileConfig config;
  config.layout = ListLayout::kWords;
  config.save_without_name_uses_default = false;
  config.min_word_length = [min_length] { return min_length; };
  return config;
}

class ListFileCommandsTest : public testing::Test {
 protected:
  ListFileCommands& Make(ListFileConfig config) {
    config.on_save_failed = [this](const std::string& path) { failed_saves_.push_back(path); };
    commands_.emplace(std::move(config), list_, dialogs_, settings_, files_, Windows1252());
    return *commands_;
  }
  ListFileCommands& Phrases() { return Make(PhraseConfig()); }
  ListFileCommands& Words(long long min_length = 4) { return Make(WordConfig(min_length)); }

  TestWindow window_{ListOnlyDesign()};
  WorkingList list_{window_.window(), "List1"};
  FakeDialogs dialogs_;
  FakeSettingsStore settings_;
  FakeFileSystem files_;
  std::vector<std::string> failed_saves_;
  std::optional<ListFileCommands> commands_;
};

TEST_F(ListFileCommandsTest, FileImportAddsTheChosenFileAndStoresItFirst) {
  ListFileCommands& commands = Phrases();
  list_.Add("m");
  files_.SetFile("/lists/a.kyl",
                 "z\x01"
                 "a\x01\r\n");
  dialogs_.QueueOpen("/lists/a.kyl");
  commands.FileImport();
  EXPECT_EQ(list_.items(), (Items{"a", "m", "z"}));
  EXPECT_EQ(window_.window().ListItems("List1"), list_.items());
  EXPECT_EQ(commands.current_file(), "/lists/a.kyl");
  EXPECT_EQ(settings_.Value(kFileSection, kImportSetting), "/lists/a.kyl");
}

TEST_F(ListFileCommandsTest, FileImportStoresTheNameEvenWhenTheFileCannotBeRead) {
  ListFileCommands& commands = Phrases();
  dialogs_.QueueOpen("/lists/missing.kyl");
  commands.FileImport();
  EXPECT_TRUE(list_.items().empty());
  EXPECT_EQ(settings_.Value(kFileSection, kImportSetting), "/lists/missing.kyl");
}

TEST_F(ListFileCommandsTest, ImportingTwiceDoublesEveryItem) {
  ListFileCommands& commands = Words(0);
  files_.SetFile("/w.txt", "b\r\na\r\n\r\n");
  commands.GetImportFile("/w.txt");
  commands.GetImportFile("/w.txt");
  EXPECT_EQ(list_.items(), (Items{"a", "a", "b", "b"}));
}

TEST_F(ListFileCommandsTest, UnreadableFileImportsNothing) {
  ListFileCommands& commands = Words(0);
  files_.SetFile("/w.txt", "word\r\n");
  files_.SetUnreadable("/w.txt", true);
  commands.GetImportFile("/w.txt");
  commands.GetImportFile("");
  EXPECT_TRUE(list_.items().empty());
}

TEST_F(ListFileCommandsTest, WordImportReadsTheMinimumLengthWhenTheFileIsRead) {
  long long min_length = 10;
  ListFileConfig config = WordConfig();
  config.min_word_length = [&min_length] { return min_length; };
  ListFileCommands& commands = Make(config);
  files_.SetFile("/w.txt", "cat\r\n  house\r\n\r\n");
  min_length = 4;
  commands.GetImportFile("/w.txt");
  EXPECT_EQ(list_.items(), (Items{"  house"}));
}

struct CancelCase {
  std::string name;
  std::string answer;  // what the dialog returns
};

class DialogNamesNoFileTest : public ListFileCommandsTest,
                              public testing::WithParamInterface<CancelCase> {};

TEST_P(DialogNamesNoFileTest, FileImportImportsAndStoresNothing) {
  ListFileCommands& commands = Phrases();
  files_.SetFile(GetParam().answer, "A\x01\r\n");
  dialogs_.QueueOpen(GetParam().answer);
  commands.FileImport();
  EXPECT_TRUE(list_.items().empty());
  EXPECT_EQ(commands.current_file(), GetParam().answer);
  EXPECT_TRUE(settings_.writes().empty());
}

TEST_P(DialogNamesNoFileTest, FileSaveAsWritesNothingAndFileSaveThenWritesNothingEither) {
  ListFileCommands& commands = Words();
  list_.Add("word");
  dialogs_.QueueSave(GetParam().answer);
  commands.FileSaveAs();
  EXPECT_EQ(commands.current_file(), GetParam().answer);
  if (!GetParam().answer.empty()) {
    // The name stays current, so File Save neither asks nor writes.
    commands.FileSave();
  }
  EXPECT_EQ(files_.replace_count(), 0);
  EXPECT_TRUE(dialogs_.AllAnswered());
}

INSTANTIATE_TEST_SUITE_P(Answers, DialogNamesNoFileTest,
                         testing::Values(CancelCase{"Cancel", ""}, CancelCase{"Spaces", "   "},
                                         CancelCase{"Placeholder", "*.kq"},
                                         CancelCase{"PlaceholderWithSpaces", "  *.kq "}),
                         [](const testing::TestParamInfo<CancelCase>& case_info) {
                           return case_info.param.name;
                         });

TEST_F(ListFileCommandsTest, CancelledImportMakesQuipcastSaveTheDefaultFile) {
  ListFileCommands& commands = Phrases();
  files_.SetFile("/lists/a.kyl", "A\x01\r\n");
  dialogs_.QueueOpen("/lists/a.kyl");
  commands.FileImport();
  dialogs_.QueueOpen("");
  commands.FileImport();
  EXPECT_EQ(commands.current_file(), "");
  commands.FileSave();
  EXPECT_EQ(commands.current_file(), kDefaultFile);
  EXPECT_EQ(files_.File(kDefaultFile), "A\x01\r\n");
  EXPECT_EQ(files_.File("/lists/a.kyl"), "A\x01\r\n");
}

TEST_F(ListFileCommandsTest, KeyloomSaveWithoutNameAsksAndKeepsTheAnswer) {
  ListFileCommands& commands = Words();
  list_.Add("house");
  dialogs_.QueueSave("/w/words.txt");
  commands.FileSave();
  EXPECT_EQ(files_.File("/w/words.txt"), "house\r\n\r\n");
  list_.Add("mouse");
  commands.FileSave();  // asks no more
  EXPECT_EQ(dialogs_.save_count(), 1);
  EXPECT_EQ(files_.File("/w/words.txt"), "house\r\nmouse\r\n\r\n");
}

TEST_F(ListFileCommandsTest, KeyloomSaveCancelledWritesNothing) {
  ListFileCommands& commands = Words();
  dialogs_.QueueSave("");
  commands.FileSave();
  EXPECT_EQ(files_.replace_count(), 0);
  EXPECT_EQ(commands.current_file(), "");
}

TEST_F(ListFileCommandsTest, SaveOverwritesAndSaveAsSwitchesTheCurrentFile) {
  ListFileCommands& commands = Phrases();
  files_.SetFile(kDefaultFile, "old\x01\r\n");
  list_.Add("new");
  commands.FileSave();
  EXPECT_EQ(files_.File(kDefaultFile), "new\x01\r\n");
  dialogs_.QueueSave("/other.kyl");
  commands.FileSaveAs();
  EXPECT_EQ(files_.File("/other.kyl"), "new\x01\r\n");
  EXPECT_EQ(commands.current_file(), "/other.kyl");
}

TEST_F(ListFileCommandsTest, SavingAnEmptyListWritesALineEnd) {
  ListFileCommands& commands = Phrases();
  commands.FileSave();
  EXPECT_EQ(files_.File(kDefaultFile), "\r\n");
  commands.GetImportFile(kDefaultFile);
  EXPECT_TRUE(list_.items().empty());
}

TEST_F(ListFileCommandsTest, FailedSaveLeavesTheOldFileAndReports) {
  ListFileCommands& commands = Phrases();
  files_.SetFile(kDefaultFile, "old\x01\r\n");
  list_.Add("new");
  files_.FailReplaceAt(ReplaceStep::kWrite);
  commands.FileSave();
  EXPECT_EQ(files_.File(kDefaultFile), "old\x01\r\n");
  EXPECT_EQ(failed_saves_, (std::vector<std::string>{kDefaultFile}));
  EXPECT_EQ(list_.items(), (Items{"new"}));
  files_.FailReplaceAt(std::nullopt);
  EXPECT_TRUE(commands.ExportFile());
  EXPECT_EQ(files_.File(kDefaultFile), "new\x01\r\n");
}

TEST_F(ListFileCommandsTest, PhraseListWithTwoLineSendStringSurvivesSaveAndImport) {
  ListFileCommands& commands = Phrases();
  const std::string sample = "{S} - SP - This is a sample \r\nI hope you like it";
  list_.Add(sample);
  list_.Add("{T} - CU - %(run=calc.exe)%");
  commands.FileSave();
  const Items saved = list_.items();
  list_.Clear();
  commands.GetImportFile(kDefaultFile);
  EXPECT_EQ(list_.items(), saved);
}

TEST_F(ListFileCommandsTest, NonLatinWordsSurviveSaveAndImport) {
  ListFileCommands& commands = Words(0);
  list_.AddAll({"caf\xC3\xA9", "\xD0\xB4\xD0\xBE\xD0\xBC", "\xF0\x9F\x98\x80"});
  dialogs_.QueueSave("/w.txt");
  commands.FileSave();
  const Items saved = list_.items();
  list_.Clear();
  commands.GetImportFile("/w.txt");
  EXPECT_EQ(list_.items(), saved);
}

struct StartCase {
  std::string name;
  std::optional<std::string> auto_import;  // nullopt: not stored
  bool imports;
};

class LoadListAtStartTest : public ListFileCommandsTest,
                            public testing::WithParamInterface<StartCase> {};

TEST_P(LoadListAtStartTest, ImportsUnlessAutoImortIsANumberOtherThanOne) {
  if (GetParam().auto_import) settings_.Set(kOptionsSection, "AutoImort", *GetParam().auto_import);
  files_.SetFile(kDefaultFile, "A\x01\r\n");
  Phrases().LoadListAtStart();
  EXPECT_EQ(list_.items(), GetParam().imports ? Items{"A"} : Items{});
}

INSTANTIATE_TEST_SUITE_P(
    Values, LoadListAtStartTest,
    testing::Values(StartCase{"Missing", std::nullopt, true}, StartCase{"One", "1", true},
                    StartCase{"OneWithDecimals", " 1.0 ", true}, StartCase{"Empty", "", true},
                    StartCase{"Yes", "yes", true}, StartCase{"Zero", "0", false},
                    StartCase{"Two", "2", false}, StartCase{"MinusOne", "-1", false}),
    [](const testing::TestParamInfo<StartCase>& case_info) { return case_info.param.name; });

TEST_F(ListFileCommandsTest, QuipcastStartsFromTheDefaultsWithAnEmptyStore) {
  files_.SetFile(kDefaultFile, "A\x01\r\n");
  ListFileCommands& commands = Phrases();
  commands.LoadListAtStart();
  EXPECT_EQ(commands.current_file(), kDefaultFile);
  EXPECT_EQ(list_.items(), (Items{"A"}));
  EXPECT_TRUE(settings_.writes().empty());
}

TEST_F(ListFileCommandsTest, KeyloomStartsWithNothingWithAnEmptyStore) {
  ListFileCommands& commands = Words();
  commands.LoadListAtStart();
  EXPECT_EQ(commands.current_file(), "");
  EXPECT_TRUE(list_.items().empty());
}

TEST_F(ListFileCommandsTest, StartReadsTheStoredImportAndSaveNames) {
  settings_.Set(kFileSection, kImportSetting, "/shared/list.txt");
  settings_.Set(kFileSection, kSaveSetting, "/shared/save.txt");
  files_.SetFile("/shared/list.txt", "house\r\n\r\n");
  ListFileCommands& commands = Words();
  commands.LoadListAtStart();
  EXPECT_EQ(list_.items(), (Items{"house"}));
  EXPECT_EQ(commands.current_file(), "/shared/save.txt");
}

TEST_F(ListFileCommandsTest, StoredEmptySaveNameIsKept) {
  settings_.Set(kFileSection, kSaveSetting, "");
  ListFileCommands& commands = Phrases();
  commands.LoadListAtStart();
  EXPECT_EQ(commands.current_file(), "");
}

}  // namespace
}  // namespace keyloom
