#include "phrases/launch_detector.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phrases/tests/playback_fixture.h"
#include "platform/key_event.h"

namespace keyloom {
namespace {

struct TokenCase {
  int key_code;
  std::string token;
};

class KeyTokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(KeyTokenTest, MapsKeyCode) { EXPECT_EQ(KeyToken(GetParam().key_code), GetParam().token); }

INSTANTIATE_TEST_SUITE_P(
    Codes, KeyTokenTest,
    testing::Values(TokenCase{32, " "}, TokenCase{48, "0"}, TokenCase{57, "9"}, TokenCase{65, "A"},
                    TokenCase{90, "Z"}, TokenCase{37, "%"}, TokenCase{38, "&"}, TokenCase{39, "'"},
                    TokenCase{40, "("}, TokenCase{45, "-"}, TokenCase{46, "."}, TokenCase{96, "`"},
                    TokenCase{97, "a"}, TokenCase{105, "i"}, TokenCase{106, "j"},
                    TokenCase{111, "o"}, TokenCase{112, "{F1}"}, TokenCase{120, "{F9}"},
                    TokenCase{123, "{F12}"}, TokenCase{186, ";"}, TokenCase{187, "="},
                    TokenCase{188, ","}, TokenCase{189, "-"}, TokenCase{190, "."},
                    TokenCase{191, "/"}, TokenCase{219, "["}, TokenCase{220, "\\"},
                    TokenCase{221, "]"}, TokenCase{8, ""}, TokenCase{9, ""}, TokenCase{13, ""},
                    TokenCase{16, ""}, TokenCase{17, ""}, TokenCase{18, ""}, TokenCase{31, ""},
                    TokenCase{124, ""}, TokenCase{192, ""}, TokenCase{222, ""}, TokenCase{0, ""},
                    TokenCase{300, ""}));

TEST(FunctionKeyPrefixTest, OnlyTheFourChordsHaveAPrefix) {
  EXPECT_EQ(FunctionKeyPrefix(0), "");
  EXPECT_EQ(FunctionKeyPrefix(kShiftMask), "{Shift}");
  EXPECT_EQ(FunctionKeyPrefix(kCtrlMask), "{Ctrl}");
  EXPECT_EQ(FunctionKeyPrefix(kCtrlMask | kShiftMask), "{Ctrl}{Shift}");
  EXPECT_EQ(FunctionKeyPrefix(kAltMask), "{Alt}");
  EXPECT_EQ(FunctionKeyPrefix(kAltMask | kShiftMask), "");
  EXPECT_EQ(FunctionKeyPrefix(kAltMask | kCtrlMask), "");
  EXPECT_EQ(FunctionKeyPrefix(kAltMask | kCtrlMask | kShiftMask), "");
}

constexpr int kF2 = 113;
constexpr int kF9 = 120;

// The detector on a sorted entry list; each entry's send string names it, so the typed text
// tells which one launched.
class LaunchDetectorTest : public PlaybackFixture {
 protected:
  // Presses a key; returns whether it was withheld.
  bool Press(int key_code, int modifiers = 0) {
    KeyEvent event{key_code, modifiers, false};
    event.application = application_;
    detector_.HandleKey(event);
    return event.discard;
  }
  void Type(std::string_view letters) {
    for (const char c : letters) Press(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
  // What the launches typed since the last call, and the quiet period ended.
  std::string TakeTyped() {
    std::string typed = Typed();
    platform_.keystrokes().Clear();
    timers_.Advance(1000);
    return typed;
  }

  std::vector<std::string> lines_;
  std::string application_;
  LaunchDetector detector_{lines_, quiet_timer_, playback_};
};

TEST_F(LaunchDetectorTest, TheEntryForTheApplicationComesFirstThenTheOneLeavingOthersOut) {
  lines_ = {"{S} - sig - %(except=xterm)%not in xterm", "{S} - sig - %(only=gedit|kate)%in gedit",
            "{S} - sig - everywhere", "{S} - sig - %(only=xterm)%in xterm",
            "{T} - sig - %(only=mousepad)%tab only"};
  struct Case {
    std::string application;
    int ending_key;
    std::string typed;
  };
  for (const Case& c : std::vector<Case>{{"gedit", kVkSpace, "in gedit"},
                                         {"KATE", kVkSpace, "in gedit"},
                                         {"xterm", kVkSpace, "in xterm"},
                                         {"mousepad", kVkSpace, "not in xterm"},
                                         {"", kVkSpace, "not in xterm"},
                                         {"mousepad", kVkTab, "tab only"},
                                         {"gedit", kVkTab, ""}}) {
    application_ = c.application;
    Type("sig");
    Press(c.ending_key);
    const std::string typed = TakeTyped();
    EXPECT_EQ(typed.substr(typed.rfind('}') + 1), c.typed) << c.application;
  }
  // An entry only for others launches nothing here; one for every application then does.
  lines_ = {"{S} - sig - %(only=kate)%kate", "{S} - sig - plain"};
  application_ = "gedit";
  Type("sig");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}{BACKSPACE}plain");
  lines_ = {"{S} - sig - %(only=kate)%kate"};
  Type("sig");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "");
}

TEST_F(LaunchDetectorTest, LettersEndedBySpaceLaunch) {
  lines_ = {"{S}{E} - TD - Today"};
  Type("td");
  EXPECT_FALSE(Press(kVkSpace));
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}Today{ENTER}");
  EXPECT_EQ(detector_.buffer(), "");
}

TEST_F(LaunchDetectorTest, EndingKeyMustFitTheFlags) {
  lines_ = {"{S} - td - space", "{T} - tb - tab"};
  Type("td");
  Press(kVkTab);
  EXPECT_EQ(TakeTyped(), "");
  EXPECT_EQ(detector_.buffer(), "");
  Type("tb");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "");
  Type("tb");
  EXPECT_FALSE(Press(kVkTab));
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}tab");
}

TEST_F(LaunchDetectorTest, ShiftHeldLettersGiveTheSameBuffer) {
  lines_ = {"{S} - td - x"};
  Press('T', kShiftMask);
  Press('D', kShiftMask);
  EXPECT_EQ(detector_.buffer(), "td");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}x");
}

TEST_F(LaunchDetectorTest, BackspaceDoesNotShortenTheBuffer) {
  lines_ = {"{S} - td - x"};
  Type("tx");
  Press(kVkBackspace);
  Type("d");
  EXPECT_EQ(detector_.buffer(), "txd");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "");
}

TEST_F(LaunchDetectorTest, KeypadAndArrowsAddTheirCharacters) {
  Press(97);
  for (int arrow = 37; arrow <= 40; ++arrow) Press(arrow);
  for (const int code : {186, 187, 188, 189, 190, 191, 219, 220, 221}) Press(code);
  EXPECT_EQ(detector_.buffer(), "a%&'(;=,-./[\\]");
}

TEST_F(LaunchDetectorTest, EnterEmptiesTheBuffer) {
  Type("ab");
  Press(kVkEnter);
  EXPECT_EQ(detector_.buffer(), "");
}

TEST_F(LaunchDetectorTest, FunctionKeyChordsLaunchAndAreWithheld) {
  lines_ = {"{F} - {Ctrl}{F9} - ctrl", "{F} - {F9} - bare"};
  EXPECT_TRUE(Press(kF9, kCtrlMask));
  EXPECT_EQ(TakeTyped(), "ctrl");
  EXPECT_TRUE(Press(kF9));
  EXPECT_EQ(TakeTyped(), "bare");
  // Masks without a prefix count as the bare key.
  EXPECT_TRUE(Press(kF9, kCtrlMask | kAltMask));
  EXPECT_EQ(TakeTyped(), "bare");
  EXPECT_TRUE(Press(kF9, kAltMask | kShiftMask));
  EXPECT_EQ(TakeTyped(), "bare");
}

TEST_F(LaunchDetectorTest, ChordLaunchesWhateverItsFlags) {
  lines_ = {"{T} - {ctrl}{f9} - chord"};
  EXPECT_TRUE(Press(kF9, kCtrlMask));
  EXPECT_EQ(TakeTyped(), "chord");
}

TEST_F(LaunchDetectorTest, UnmatchedFunctionKeyIsPassedOnAndStaysInFront) {
  lines_ = {"{S} - td - x"};
  EXPECT_FALSE(Press(kF2));
  Type("td");
  EXPECT_EQ(detector_.buffer(), "{f2}td");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "");
  Type("td");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}x");
}

TEST_F(LaunchDetectorTest, FunctionKeyReplacesTheBuffer) {
  lines_ = {"{F} - {F9} - nine"};
  Type("abc");
  EXPECT_TRUE(Press(kF9));
  EXPECT_EQ(TakeTyped(), "nine");
}

TEST_F(LaunchDetectorTest, FirstMatchInListOrderWins) {
  // As sorted: a chord flagged "{F}" comes before the same chord flagged "{S}".
  lines_ = {"{F} - {F9} - first", "{S} - {F9} - second"};
  Press(kF9);
  EXPECT_EQ(TakeTyped(), "first");
  lines_ = {"{S} - ab - one", "{S} - AB - two"};
  Type("ab");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}one");
}

TEST_F(LaunchDetectorTest, SearchStopsAtAnEmptyLine) {
  lines_ = {"{S} - xy - x", "", "{S} - td - after"};
  Type("td");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "");
}

TEST_F(LaunchDetectorTest, LinesWithoutBothSeparatorsAreSkipped) {
  lines_ = {"{F} {F9} broken", "{F} - {F9}", "{F} - {F9} - whole"};
  EXPECT_TRUE(Press(kF9));
  EXPECT_EQ(TakeTyped(), "whole");
}

TEST_F(LaunchDetectorTest, KeysAreIgnoredDuringTheQuietPeriod) {
  lines_ = {"{S} - td - x", "{F} - {F9} - nine"};
  Type("td");
  Press(kVkSpace);
  platform_.keystrokes().Clear();
  ASSERT_TRUE(quiet_timer_.Enabled());

  Type("td");
  EXPECT_FALSE(Press(kVkSpace));
  EXPECT_FALSE(Press(kF9));
  EXPECT_EQ(detector_.buffer(), "");
  EXPECT_EQ(Typed(), "");

  // Neither a Space nor a Tab in the quiet period empties the buffer.
  timers_.Advance(500);
  Type("t");
  quiet_timer_.SetEnabled(true);
  Press(kVkTab);
  quiet_timer_.SetEnabled(false);
  Type("d");
  Press(kVkSpace);
  EXPECT_EQ(TakeTyped(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}x");
}

}  // namespace
}  // namespace keyloom
