// Every save of a list file failing at each step of the atomic replace (create, write, flush,
// rename), from every command that saves: the previous file stays whole, the user is told, and
// the program goes on: its list keeps the change, keys still launch and complete, and the next
// save writes the whole list.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "shell/list_file.h"
#include "tests/robustness/app_fixtures.h"

namespace keyloom {
namespace {

constexpr ReplaceStep kSteps[] = {ReplaceStep::kCreate, ReplaceStep::kWrite, ReplaceStep::kFlush,
                                  ReplaceStep::kRename};

std::string StepName(ReplaceStep step) {
  switch (step) {
    case ReplaceStep::kCreate:
      return "Create";
    case ReplaceStep::kWrite:
      return "Write";
    case ReplaceStep::kFlush:
      return "Flush";
    case ReplaceStep::kRename:
      return "Rename";
  }
  return "";
}

// A command that saves, played by the user on the main window.
struct SaveCommand {
  std::string name;
  std::function<void(FakeWindow& window, FakeDialogs& dialogs)> run;
};

// ---- Quipcast ----

const SaveCommand kQuipcastSaves[] = {
    {"AddString",
     [](FakeWindow& window, FakeDialogs&) {
       window.TypeText("Text10", "new");
       window.TypeText("Text7", "A new phrase");
       window.Click("Command8");
     }},
    {"DeleteEntry",
     [](FakeWindow& window, FakeDialogs& dialogs) {
       dialogs.QueueAnswer(true);
       window.DoubleClickListItem("List1", 0);
     }},
    {"ClearAll",
     [](FakeWindow& window, FakeDialogs& dialogs) {
       dialogs.QueueAnswer(true);
       window.Click("Command3");
     }},
    {"FileSave", [](FakeWindow& window, FakeDialogs&) { window.Click("FileSave"); }},
    {"FileSaveAs",
     [](FakeWindow& window, FakeDialogs& dialogs) {
       dialogs.QueueSave(QuipcastListFile());
       window.Click("FileSave2");
     }},
};

class QuipcastSaveFaultTest
    : public QuipcastFaultTest,
      public testing::WithParamInterface<std::tuple<ReplaceStep, SaveCommand>> {};

TEST_P(QuipcastSaveFaultTest, PreviousFileStaysWholeAndTheProgramGoesOn) {
  const auto& [step, command] = GetParam();
  StartWithEntries();
  const std::string before = Bytes(QuipcastListFile());

  platform_.files().FailReplaceAt(step);
  command.run(window(), shell_.dialogs());
  EXPECT_EQ(Bytes(QuipcastListFile()), before);
  shell_.Advance(AppShell::kNoticeDelayMs);
  ASSERT_EQ(shell_.tray().notifications().size(), 1u);
  EXPECT_NE(shell_.tray().notifications()[0].text.find("could not be saved"), std::string::npos);
  EXPECT_TRUE(shell_.dialogs().AllAnswered());

  platform_.files().FailReplaceAt(std::nullopt);
  if (command.name != "ClearAll" && command.name != "DeleteEntry") ExpectLaunchWorks();
  window().Click("FileSave");
  EXPECT_EQ(Bytes(QuipcastListFile()),
            EncodeListFile(ListLayout::kPhrases, Entries(), Windows1252()));
}

INSTANTIATE_TEST_SUITE_P(EveryStepOfEverySave, QuipcastSaveFaultTest,
                         testing::Combine(testing::ValuesIn(kSteps),
                                          testing::ValuesIn(kQuipcastSaves)),
                         [](const auto& param_info) {
                           return StepName(std::get<0>(param_info.param)) + "_" +
                                  std::get<1>(param_info.param).name;
                         });

// ---- Keyloom ----

const SaveCommand kKeyloomSaves[] = {
    {"AddWordThenFileSave",
     [](FakeWindow& window, FakeDialogs&) {
       window.TypeText("Text7", "gamma");
       window.Click("Command8");
       window.Click("FileSave");
     }},
    {"FileSaveAs",
     [](FakeWindow& window, FakeDialogs& dialogs) {
       dialogs.QueueSave(kKeyloomListFile);
       window.Click("FileSave2");
     }},
};

class KeyloomSaveFaultTest
    : public KeyloomFaultTest,
      public testing::WithParamInterface<std::tuple<ReplaceStep, SaveCommand>> {};

TEST_P(KeyloomSaveFaultTest, PreviousFileStaysWholeAndTheProgramGoesOn) {
  const auto& [step, command] = GetParam();
  Start();
  // A first save names the current file.
  shell_.dialogs().QueueSave(kKeyloomListFile);
  main().Click("FileSave");
  const std::string before = Bytes(kKeyloomListFile);

  platform_.files().FailReplaceAt(step);
  command.run(main(), shell_.dialogs());
  EXPECT_EQ(Bytes(kKeyloomListFile), before);
  shell_.Advance(AppShell::kNoticeDelayMs);
  ASSERT_EQ(shell_.tray().notifications().size(), 1u);
  EXPECT_TRUE(shell_.dialogs().AllAnswered());

  platform_.files().FailReplaceAt(std::nullopt);
  ExpectCompletionWorks();
  main().Click("FileSave");
  EXPECT_EQ(Bytes(kKeyloomListFile),
            EncodeListFile(ListLayout::kWords, main().ListItems("List1"), Windows1252()));
}

INSTANTIATE_TEST_SUITE_P(EveryStepOfEverySave, KeyloomSaveFaultTest,
                         testing::Combine(testing::ValuesIn(kSteps),
                                          testing::ValuesIn(kKeyloomSaves)),
                         [](const auto& param_info) {
                           return StepName(std::get<0>(param_info.param)) + "_" +
                                  std::get<1>(param_info.param).name;
                         });

}  // namespace
}  // namespace keyloom
