// The clipboard refusing to open, when a paste begins and when the user's text is to be given
// back: the text still arrives (typed instead), the user's clipboard text is never lost, the
// quiet period ends and the program goes on.
#include <gtest/gtest.h>

#include "tests/robustness/app_fixtures.h"

namespace keyloom {
namespace {

TEST_F(QuipcastFaultTest, BusyClipboardTypesThePhraseAndLeavesTheClipboardAlone) {
  StartWithEntries();
  platform_.clipboard().set_content("the user's text");
  platform_.clipboard().set_refuse_open(true);
  Type("sig ");
  EXPECT_EQ(platform_.keystrokes().TypedText(),
            "{BACKSPACE}{BACKSPACE}{BACKSPACE}{BACKSPACE}Best regards");
  shell_.Advance(kQuietMsBoostOff);
  EXPECT_FALSE(app_->quiet_timer().Enabled());
  platform_.clipboard().set_refuse_open(false);
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  ExpectLaunchWorks();
}

TEST_F(QuipcastFaultTest, ClipboardBusyAtTheEndOfTheQuietPeriodGetsTheUsersTextLater) {
  StartWithEntries();
  platform_.clipboard().set_content("the user's text");
  Type("sig ");
  platform_.clipboard().set_refuse_open(true);
  shell_.Advance(kQuietMsBoostOn);
  platform_.clipboard().set_refuse_open(false);
  shell_.Advance(kQuietMsBoostOff);
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  EXPECT_FALSE(app_->quiet_timer().Enabled());
  ExpectLaunchWorks();
}

TEST_F(QuipcastFaultTest, ClipboardThatNeverOpensAgainStillEndsTheQuietPeriod) {
  StartWithEntries();
  Type("sig ");
  platform_.clipboard().set_refuse_open(true);
  shell_.Advance(10 * kQuietMsBoostOff);
  EXPECT_FALSE(app_->quiet_timer().Enabled());
  platform_.clipboard().set_refuse_open(false);
  ExpectLaunchWorks();
}

TEST_F(KeyloomFaultTest, BusyClipboardTypesTheRestOfTheWord) {
  Start();
  platform_.clipboard().set_content("the user's text");
  platform_.clipboard().set_refuse_open(true);
  Type("bos");
  EXPECT_TRUE(platform_.hook().Press(kVkTab));
  EXPECT_EQ(platform_.keystrokes().TypedText(), "ton");
  platform_.clipboard().set_refuse_open(false);
  shell_.Advance(1000);
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  ExpectCompletionWorks();
}

TEST_F(KeyloomFaultTest, ClipboardBusyAtTheRestoreGetsTheUsersTextLater) {
  Start();
  platform_.clipboard().set_content("the user's text");
  Type("bos");
  EXPECT_TRUE(platform_.hook().Press(kVkTab));
  platform_.clipboard().set_refuse_open(true);
  shell_.Advance(500);
  platform_.clipboard().set_refuse_open(false);
  shell_.Advance(100);
  EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  ExpectCompletionWorks();
}

}  // namespace
}  // namespace keyloom
