#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "phrases/playback.h"
#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_timer.h"

namespace keyloom {

// Playback on the platform fakes with a quiet timer of its own and Boost off.
class PlaybackFixture : public testing::Test {
 protected:
  PlaybackFixture() {
    platform_.mutable_clock().set_now({2026, 12, 7, 15, 4, 5});
    quiet_timer_.SetInterval(500);
  }

  std::string Typed() { return platform_.keystrokes().TypedText(); }

  FakePlatform platform_;
  FakeTimerQueue timers_;
  FakeTimer quiet_timer_{timers_, [this] { playback_.OnQuietTimerTick(); }};
  bool boost_on_ = false;
  bool match_case_ = false;
  std::vector<std::string> notices_;
  Playback playback_{platform_, quiet_timer_,
                     [this] {
                       return PlaybackChoices{boost_on_, match_case_};
                     },
                     [this](std::string_view text) { notices_.emplace_back(text); }};
};

}  // namespace keyloom
