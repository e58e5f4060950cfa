// A program that cannot start, keystrokes that cannot be typed and a keyboard hook that cannot
// be installed: the user is told where it matters, and the program goes on.
#include <gtest/gtest.h>

#include <string>

#include "tests/robustness/app_fixtures.h"

namespace keyloom {
namespace {

TEST_F(QuipcastFaultTest, ProgramThatCannotStartIsReportedAndKeysStillLaunch) {
  StartWithEntries();
  platform_.programs().set_fails(true);
  Type("run ");
  EXPECT_EQ(platform_.programs().command_lines(), std::vector<std::string>{"calc"});
  shell_.Advance(AppShell::kNoticeDelayMs);
  ASSERT_EQ(shell_.tray().notifications().size(), 1u);
  EXPECT_NE(shell_.tray().notifications()[0].text.find("calc"), std::string::npos);
  // Nothing was typed, so no quiet period holds the next keys back.
  EXPECT_FALSE(app_->quiet_timer().Enabled());
  ExpectLaunchWorks();
}

TEST_F(QuipcastFaultTest, KeystrokesThatCannotBeTypedStillEndTheQuietPeriod) {
  StartWithEntries();
  platform_.keystrokes().set_fails(true);
  platform_.clipboard().set_content("the user's text");
  Type("sig ");
  shell_.Advance(kQuietMsBoostOff);
  EXPECT_FALSE(app_->quiet_timer().Enabled());
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  platform_.keystrokes().set_fails(false);
  ExpectLaunchWorks();
}

TEST_F(QuipcastFaultTest, HookThatCannotStartStillBringsTheWindowUp) {
  SetListFile(QuipcastListFile(), {"{S} - sig - Best regards"});
  platform_.hook().set_start_fails(true);
  Create();
  EXPECT_FALSE(app_->Start());
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(KeyloomFaultTest, KeystrokesThatCannotBeTypedStillGiveTheClipboardBack) {
  Start();
  platform_.keystrokes().set_fails(true);
  platform_.clipboard().set_content("the user's text");
  Type("bos");
  EXPECT_TRUE(platform_.hook().Press(kVkTab));
  shell_.Advance(100);
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  platform_.keystrokes().set_fails(false);
  ExpectCompletionWorks();
}

TEST_F(KeyloomFaultTest, HookThatCannotStartStillBringsTheWindowUp) {
  platform_.hook().set_start_fails(true);
  Start();
  EXPECT_TRUE(main().Visible());
  EXPECT_TRUE(app_->store_open());
  EXPECT_EQ(main().ListItems("List1").size(), 2u);
}

}  // namespace
}  // namespace keyloom
