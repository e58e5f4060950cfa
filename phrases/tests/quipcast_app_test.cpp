#include "phrases/quipcast_app.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "phrases/entry_line.h"
#include "phrases/tests/quipcast_app_fixture.h"
#include "platform/key_event.h"

namespace keyloom {
namespace {

using Write = FakeSettingsStore::WriteRecord;

constexpr int kF9 = 120;

class QuipcastAppTest : public QuipcastAppFixture {};

TEST_F(QuipcastAppTest, FirstStartImportsTheDefaultListAndWritesOnlyBoost) {
  SetListFile(kDefaultListFile, {"{S} - td - x"});
  Start();
  EXPECT_EQ(Entries(), std::vector<std::string>{"{S} - td - x"});
  EXPECT_TRUE(window().Checked("Check8"));
  EXPECT_EQ(app_->quiet_timer().Interval(), 100);
  EXPECT_FALSE(app_->quiet_timer().Enabled());
  EXPECT_EQ(shell_.settings().writes(), (std::vector<Write>{{"Options", "Boost", "1"}}));
  EXPECT_EQ(shell_.tray().added_tips().size(), 1u);
  EXPECT_TRUE(window().Visible());
  EXPECT_TRUE(platform_.hook().started());
  EXPECT_EQ(platform_.hook().withholdable_keys(),
            (std::vector<int>{112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123}));
}

struct BoostCase {
  std::string stored;
  bool checked;
  int interval;
  std::string written;
};

class BoostLoadTest : public QuipcastAppFixture, public testing::WithParamInterface<BoostCase> {};

TEST_P(BoostLoadTest, StoredValueSetsTheBoxTheQuietPeriodAndIsWrittenBack) {
  shell_.settings().Set("Options", "Boost", GetParam().stored);
  Start();
  EXPECT_EQ(window().Checked("Check8"), GetParam().checked);
  EXPECT_EQ(app_->quiet_timer().Interval(), GetParam().interval);
  EXPECT_EQ(shell_.settings().Value("Options", "Boost"), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BoostLoadTest,
    testing::Values(BoostCase{"1", true, 100, "1"}, BoostCase{"0", false, 500, "0"},
                    BoostCase{" 1 ", true, 100, "1"}, BoostCase{"2", false, 500, "0"},
                    // Not an integer: the box keeps its design value.
                    BoostCase{"yes", false, 500, "0"}, BoostCase{"", false, 500, "0"}));

TEST_F(QuipcastAppTest, BoostClickSetsTheQuietPeriodAndStoresTheOption) {
  Start();
  window().Click("Check8");
  EXPECT_FALSE(window().Checked("Check8"));
  EXPECT_EQ(app_->quiet_timer().Interval(), 500);
  EXPECT_EQ(shell_.settings().Value("Options", "Boost"), "0");
  window().Click("Check8");
  EXPECT_EQ(app_->quiet_timer().Interval(), 100);
  EXPECT_EQ(shell_.settings().Value("Options", "Boost"), "1");
}

// Each start-up step fails in turn; the steps after it still run and the window comes up.
struct FailingStep {
  const char* name;
  std::function<void(FakeShell&, FakePlatform&)> break_it;
};

class FailingStartupStepTest : public QuipcastAppFixture,
                               public testing::WithParamInterface<FailingStep> {};

TEST_P(FailingStartupStepTest, LaterStepsStillRun) {
  SetListFile(kDefaultListFile, {"{S} - td - x"});
  shell_.settings().Set("Options", "Boost", "0");
  Create();
  GetParam().break_it(shell_, platform_);
  app_->Start();

  const std::string step = GetParam().name;
  if (step != "tray") {
    EXPECT_TRUE(shell_.tray().present());
  }
  if (step != "list") {
    EXPECT_EQ(Entries(), std::vector<std::string>{"{S} - td - x"});
  }
  if (step != "boost") {
    EXPECT_FALSE(window().Checked("Check8"));
  }
  EXPECT_EQ(app_->quiet_timer().Interval(), 500);
  if (step != "settings") {
    EXPECT_EQ(shell_.settings().writes().size(), 1u);
  }
  EXPECT_TRUE(window().Visible());
  EXPECT_TRUE(platform_.hook().started());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingStartupStepTest,
    testing::Values(
        FailingStep{"tray", [](FakeShell& s, FakePlatform&) { s.tray().set_refuse_add(true); }},
        FailingStep{"list",
                    [](FakeShell&, FakePlatform& p) {
                      p.files().SetUnreadable(JoinPath("/app", "defaultkeys.kyl"), true);
                    }},
        FailingStep{"boost",
                    [](FakeShell& s, FakePlatform&) {
                      s.settings().Set("Options", "Boost", "not a number");
                    }},
        FailingStep{"settings",
                    [](FakeShell& s, FakePlatform&) { s.settings().set_refuse_writes(true); }}),
    [](const testing::TestParamInfo<FailingStep>& param) { return std::string(param.param.name); });

TEST_F(QuipcastAppTest, StartReportsAHookThatCannotStart) {
  Create();
  platform_.hook().set_start_fails(true);
  EXPECT_FALSE(app_->Start());
  EXPECT_TRUE(window().Visible());
}

TEST_F(QuipcastAppTest, ChordFromTheHookIsPastedAndWithheld) {
  Start();
  platform_.clipboard().set_content("mine");
  window().Click("LoadSamples");
  EXPECT_TRUE(platform_.hook().Press(kF9, kCtrlMask));
  EXPECT_EQ(platform_.keystrokes().TypedText(), "^v");
  EXPECT_EQ(platform_.clipboard().content(), "This is a sample of Ctrl-F9 \r\nI hope you like it");
  // Keys in the quiet period are not seen by the detector.
  EXPECT_FALSE(platform_.hook().Press(kF9));
  shell_.Advance(100);
  EXPECT_EQ(platform_.clipboard().content(), "mine");
  EXPECT_TRUE(platform_.hook().Press(kF9));
}

TEST_F(QuipcastAppTest, PausedItLeavesEveryKeyAloneUntilResumedEvenAfterARestart) {
  SetListFile(kDefaultListFile, {"{F} - {F9} - chord", "{S} - td - typed"});
  Start();
  window().Click("Pause");
  EXPECT_EQ(window().MenuText("Pause"), "Resume");
  EXPECT_TRUE(shell_.tray().paused());
  EXPECT_TRUE(shell_.tray().tip().starts_with("Paused - "));
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  EXPECT_FALSE(platform_.hook().Press(kF9));
  for (int key : {int{'T'}, int{'D'}, kVkSpace}) EXPECT_FALSE(platform_.hook().Press(key));
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);

  app_.reset();
  Start();
  EXPECT_EQ(window().MenuText("Pause"), "Resume");
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  window().Click("Pause");
  EXPECT_EQ(window().MenuText("Pause"), "Pause");
  EXPECT_FALSE(shell_.tray().paused());
  EXPECT_EQ(shell_.settings().Value("Options", "QuipcastPaused"), "0");
  EXPECT_EQ(platform_.hook().withholdable_keys().size(), 12u);
  EXPECT_TRUE(platform_.hook().Press(kF9));
}

TEST_F(QuipcastAppTest, LaunchesNothingInAPasswordFieldUnlessTheUserAsks) {
  SetListFile(kDefaultListFile, {"{F} - {F9} - chord", "{S} - td - typed"});
  Start();
  platform_.hook().set_focus_in_password_field(true);
  EXPECT_FALSE(platform_.hook().Press(kF9));
  for (int key : {int{'T'}, int{'D'}, kVkSpace}) EXPECT_FALSE(platform_.hook().Press(key));
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);

  window().Click("LeavePasswordFieldsAlone");
  EXPECT_EQ(shell_.settings().Value("Options", "LeavePasswordFieldsAlone"), "0");
  app_.reset();
  Start();
  EXPECT_FALSE(window().MenuChecked("LeavePasswordFieldsAlone"));
  EXPECT_TRUE(platform_.hook().Press(kF9));
}

TEST_F(QuipcastAppTest, LettersTypedAroundAPasswordFieldDoNotJoinIntoALaunch) {
  SetListFile(kDefaultListFile, {"{S} - td - typed"});
  Start();
  platform_.hook().Press('T');
  platform_.hook().set_focus_in_password_field(true);
  platform_.hook().Press('X');
  platform_.hook().set_focus_in_password_field(false);
  for (int key : {int{'D'}, kVkSpace}) platform_.hook().Press(key);
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
}

TEST_F(QuipcastAppTest, TheApplicationUsedLastIsExcludedFromTheMenusAndStaysSo) {
  SetListFile(kDefaultListFile, {"{F} - {F9} - chord", "{S} - td - typed"});
  Start();
  platform_.hook().set_focused_application("keepassxc");
  platform_.hook().Press('X');
  // Keys typed in the programs' own windows do not count.
  platform_.hook().set_focused_application("keyloom");
  platform_.hook().Press('X');
  window().Click("ExcludedApplications");
  FakeWindow& dialog = shell_.window("Form3");
  dialog.Click("Command1");
  EXPECT_EQ(dialog.Text("Text1"), "keepassxc\r\n");
  dialog.Click("Command2");

  app_.reset();
  Start();
  platform_.hook().set_focused_application("KeePassXC");
  EXPECT_FALSE(platform_.hook().Press(kF9));
  for (int key : {int{'T'}, int{'D'}, kVkSpace}) EXPECT_FALSE(platform_.hook().Press(key));
  EXPECT_EQ(platform_.keystrokes().send_count(), 0);
  platform_.hook().set_focused_application("gedit");
  EXPECT_TRUE(platform_.hook().Press(kF9));
}

TEST_F(QuipcastAppTest, LaunchLettersAreTypedWithoutBoost) {
  shell_.settings().Set("Options", "Boost", "0");
  Start();
  window().Click("LoadSamples");
  platform_.hook().Press('T');
  platform_.hook().Press('D');
  EXPECT_FALSE(platform_.hook().Press(kVkSpace));
  EXPECT_EQ(platform_.keystrokes().TypedText(),
            "{BACKSPACE}{BACKSPACE}{BACKSPACE}Today is 1/1/2000 at 12:00:00 AM.{ENTER}");
}

TEST_F(QuipcastAppTest, ProgramThatCannotStartIsNamedInATrayNotification) {
  Start();
  platform_.programs().set_fails(true);
  window().Click("LoadSamples");
  platform_.hook().Press('C');
  platform_.hook().Press('U');
  platform_.hook().Press(kVkTab);
  ASSERT_EQ(platform_.programs().command_lines().size(), 1u);
  const std::string command = platform_.programs().command_lines()[0];
  shell_.Advance(AppShell::kNoticeDelayMs);
  ASSERT_EQ(shell_.tray().notifications().size(), 1u);
  EXPECT_NE(shell_.tray().notifications()[0].text.find(command), std::string::npos);
}

TEST_F(QuipcastAppTest, CloseEndsTheProgram) {
  Start();
  window().Close();
  EXPECT_TRUE(shell_.quit());
}

TEST_F(QuipcastAppTest, OtherCommandsAndResizeGoToTheShell) {
  Start();
  window().Click("RunMinimized");
  EXPECT_TRUE(window().MenuChecked("RunMinimized"));
  window().Resize({7000, 8000});
  EXPECT_EQ(window().Rect("Frame2").width, 7000 - 350);
  window().Click("Command1");
  EXPECT_FALSE(window().Visible());
}

// The launch "ty" sends "thank you", typed without Boost.
class QuipcastExtrasTest : public QuipcastAppTest {
 protected:
  void StartWith(std::initializer_list<const char*> options) {
    shell_.settings().Set("Options", "Boost", "0");
    for (const char* option : options) shell_.settings().Set("Options", option, "1");
    SetListFile(kDefaultListFile, {"{S} - ty - thank you"});
    Start();
  }
  void TypeLaunch(int first_modifiers, int second_modifiers) {
    platform_.hook().Press('T', first_modifiers);
    platform_.hook().Press('Y', second_modifiers);
    platform_.hook().Press(kVkSpace);
  }
  std::string Phrase() {
    const std::string typed = platform_.keystrokes().TypedText();
    return typed.substr(typed.rfind('}') + 1);
  }
};

TEST_F(QuipcastExtrasTest, ThePhrasesCaseFollowsTheLaunchLettersOnlyWhenAsked) {
  StartWith({});
  TypeLaunch(kShiftMask, 0);
  EXPECT_EQ(Phrase(), "thank you");
  window().Click("MatchLaunchCase");
  EXPECT_EQ(shell_.settings().Value("Options", "MatchLaunchCase"), "1");
  shell_.Advance(1000);
  TypeLaunch(kShiftMask, 0);
  EXPECT_EQ(Phrase(), "Thank you");
  shell_.Advance(1000);
  TypeLaunch(kShiftMask, kShiftMask);
  EXPECT_EQ(Phrase(), "THANK YOU");
  // Caps Lock makes capitals, and Shift under it small letters.
  shell_.Advance(1000);
  platform_.hook().set_caps_lock(true);
  TypeLaunch(0, kShiftMask);
  EXPECT_EQ(Phrase(), "Thank you");
}

TEST_F(QuipcastExtrasTest, BackspaceFirstAfterAPhraseUndoesItInTheSameApplicationOnly) {
  StartWith({"BackspaceUndoesLaunch"});
  platform_.hook().set_focused_application("gedit");
  TypeLaunch(kShiftMask, 0);
  platform_.keystrokes().Clear();
  shell_.Advance(1000);
  platform_.hook().Press(kVkShift);  // a modifier alone changes nothing
  EXPECT_FALSE(platform_.hook().Press(kVkBackspace));
  // "thank you" is 9 characters; the user's Backspace took one.
  std::string backspaces;
  for (int i = 0; i < 8; ++i) backspaces += "{BACKSPACE}";
  EXPECT_EQ(platform_.keystrokes().TypedText(), backspaces + "Ty ");
  // Taken back once: a second Backspace is the user's own.
  platform_.keystrokes().Clear();
  platform_.hook().Press(kVkBackspace);
  EXPECT_EQ(platform_.keystrokes().TypedText(), "");

  for (const std::function<void()>& between : std::vector<std::function<void()>>{
           [this] { platform_.hook().Press('X'); },
           [this] { platform_.hook().set_focused_application("firefox"); }}) {
    shell_.Advance(1000);
    platform_.hook().set_focused_application("gedit");
    TypeLaunch(0, 0);
    shell_.Advance(1000);
    between();
    platform_.keystrokes().Clear();
    platform_.hook().Press(kVkBackspace);
    EXPECT_EQ(platform_.keystrokes().TypedText(), "");
  }
}

TEST_F(QuipcastExtrasTest, BackspaceUndoesNothingUnlessAsked) {
  StartWith({});
  TypeLaunch(0, 0);
  platform_.keystrokes().Clear();
  platform_.hook().Press(kVkBackspace);
  EXPECT_EQ(platform_.keystrokes().TypedText(), "");
}

}  // namespace
}  // namespace keyloom

namespace keyloom {
namespace {

// A list file as the original program wrote it: sorted items in the ANSI code page, each ended
// by code 1, then CR LF.
constexpr std::string_view kOldListFile =
    "{F} - {Ctrl}{F9} - Best regards,\r\nAnn\x01{S} - caf - caf\xe9 au lait\x01"
    "{S}{E} - td - Today is %(date)%\x01{T} - ty - thank you\x01\r\n";

TEST_F(QuipcastAppTest, AnOldListFileIsSavedBackByteForByteAfterTheNewFeaturesWereUsed) {
  shell_.settings().Set("Options", "Boost", "0");
  platform_.files().SetFile(kDefaultListFile, std::string(kOldListFile));
  Start();
  platform_.hook().Press(kVkSpace, kCtrlMask | kShiftMask);
  platform_.hook().Press('C');
  platform_.hook().Press(kVkEnter);
  window().SelectListItem("List1", 1);
  EXPECT_EQ(platform_.keystrokes().TypedText(), "caf\u00e9 au lait");
  const int saves_before = platform_.files().replace_count();
  window().Click("FileSave");
  EXPECT_EQ(platform_.files().replace_count(), saves_before + 1);
  EXPECT_EQ(platform_.files().File(kDefaultListFile), std::string(kOldListFile));
}

TEST_F(QuipcastAppTest, ANewListFileLosesNoEntryToTheOriginalReading) {
  const std::vector<std::string> entries = {
      "{S} - dr - Dear %(input=Name)%, %(cursor)%", "{S} - sig - %(only=gedit|kate)%Ann",
      "{T} - sig - %(except=xterm)%%(choice=Close|Best|Kind regards)%"};
  SetListFile(kDefaultListFile, entries);
  // The original reads the pieces before each code 1, and each line's fields up to its first
  // two hyphens.
  const std::vector<std::string> items = ParsePhraseItems(
      DecodeListFileText(*platform_.files().File(kDefaultListFile), Windows1252()));
  ASSERT_EQ(items, entries);
  for (const std::string& item : items) {
    const EntryParts parts = SplitEntryLine(item);
    EXPECT_TRUE(parts.complete) << item;
    EXPECT_EQ(parts.send_string, item.substr(item.find(" - ", 4) + 3)) << item;
  }
}

}  // namespace
}  // namespace keyloom
