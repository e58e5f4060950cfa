#include "phrases/playback.h"

#include <gtest/gtest.h>

#include <string>

#include "phrases/tests/playback_fixture.h"
#include "platform/key_event.h"

namespace keyloom {
namespace {

std::string Repeated(std::string_view key, int count) {
  std::string keys;
  for (int i = 0; i < count; ++i) keys += key;
  return keys;
}
std::string Backspaces(int count) { return Repeated("{BACKSPACE}", count); }

struct EraseCase {
  std::string launch_keys;
  int backspaces;
};

class EraseKeysTest : public testing::TestWithParam<EraseCase> {};

TEST_P(EraseKeysTest, OnePerCharacterAndOneForTheEndingKey) {
  std::string expected;
  for (int i = 0; i < GetParam().backspaces; ++i) expected += "{backspace}";
  EXPECT_EQ(EraseKeys(GetParam().launch_keys), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, EraseKeysTest,
                         testing::Values(EraseCase{"td", 3}, EraseCase{"a", 2},
                                         // Counted in characters, not bytes.
                                         EraseCase{"äö", 3}, EraseCase{"日本語", 4},
                                         // Chords typed nothing into the window.
                                         EraseCase{"{F9}", 0}, EraseCase{"{Ctrl}{F9}", 0},
                                         EraseCase{"{ctrl}{shift}{f12}", 0}, EraseCase{"x{F", 0},
                                         EraseCase{"{G}", 4}));

TEST(LiteralTextActionsTest, TypesEveryCharacterAsItselfAndLineBreaksAsEnter) {
  const KeyActions actions = LiteralTextActions("%a{b}~\r\nc\nd\te");
  const KeyActions expected = {KeyAction::Character('%'),          KeyAction::Character('a'),
                               KeyAction::Character('{'),          KeyAction::Character('b'),
                               KeyAction::Character('}'),          KeyAction::Character('~'),
                               KeyAction::Named(NamedKey::kEnter), KeyAction::Character('c'),
                               KeyAction::Named(NamedKey::kEnter), KeyAction::Character('d'),
                               KeyAction::Named(NamedKey::kTab),   KeyAction::Character('e')};
  EXPECT_EQ(actions, expected);
}

using PlaybackTest = PlaybackFixture;

TEST_F(PlaybackTest, ErasesExpandsTypesAndPressesEnter) {
  playback_.Play({"TD", "Today is %(date)% at %(Time)%.", true});
  EXPECT_EQ(Typed(), Backspaces(3) + "Today is 12/7/2026 at 3:04:05 PM.{ENTER}");
  EXPECT_TRUE(quiet_timer_.Enabled());
}

TEST_F(PlaybackTest, ChordSendsNoBackspaceAndNoEnterUnlessAsked) {
  playback_.Play({"{Ctrl}{F9}", "hi", false});
  EXPECT_EQ(Typed(), "hi");
}

TEST_F(PlaybackTest, NonAsciiLaunchKeysAreErasedByCharacter) {
  playback_.Play({"äö", "x", false});
  EXPECT_EQ(Typed(), Backspaces(3) + "x");
}

TEST_F(PlaybackTest, WithoutBoostPercentActsAsAlt) {
  playback_.Play({"{F2}", "a%b", false});
  const KeyActions expected = {KeyAction::Character('a'), KeyAction::Character('b', kAltMask)};
  EXPECT_EQ(platform_.keystrokes().actions(), expected);
  EXPECT_TRUE(platform_.clipboard().history().empty());
}

TEST_F(PlaybackTest, WithoutBoostTheQuietPeriodEndsAfterItsInterval) {
  playback_.Play({"td", "x", false});
  timers_.Advance(499);
  EXPECT_TRUE(quiet_timer_.Enabled());
  timers_.Advance(1);
  EXPECT_FALSE(quiet_timer_.Enabled());
}

TEST_F(PlaybackTest, RunStartsTheProgramAndTypesNothingElse) {
  playback_.Play({"CU", "%(run=calc.exe)% tail", true});
  EXPECT_EQ(platform_.programs().command_lines(), std::vector<std::string>{"calc.exe"});
  EXPECT_EQ(Typed(), Backspaces(3));
  EXPECT_FALSE(quiet_timer_.Enabled());
  EXPECT_TRUE(notices_.empty());

  // The Enter of the launch that ran a program does not carry over to the next one.
  platform_.keystrokes().Clear();
  playback_.Play({"{F9}", "next", false});
  EXPECT_EQ(Typed(), "next");
}

TEST_F(PlaybackTest, RunThatCannotStartTellsTheUserAndTypesNothing) {
  platform_.programs().set_fails(true);
  playback_.Play({"{F2}", "%(run=no-such-program --flag)%", true});
  EXPECT_EQ(Typed(), "");
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_NE(notices_[0].find("no-such-program --flag"), std::string::npos);
  EXPECT_FALSE(quiet_timer_.Enabled());
}

class UntypedTextTest : public PlaybackFixture, public testing::WithParamInterface<bool> {};

TEST_P(UntypedTextTest, IsToldToTheUser) {
  // Boost on with a busy clipboard types the text too.
  boost_on_ = GetParam();
  platform_.clipboard().set_refuse_open(true);
  platform_.keystrokes().set_fails(true);
  playback_.Play({"{F2}", "Привет", false});
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_NE(notices_[0].find("could not be typed"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Boost, UntypedTextTest, testing::Bool());

class BoostPlaybackTest : public PlaybackFixture {
 protected:
  BoostPlaybackTest() {
    boost_on_ = true;
    quiet_timer_.SetInterval(100);
  }
};

TEST_F(BoostPlaybackTest, PastesAndRestoresTheClipboardAfterTheTick) {
  platform_.clipboard().set_content("earlier");
  playback_.Play({"td", "Today is %(date)%.\r\nBye %x", true});
  EXPECT_EQ(Typed(), Backspaces(3) + "^v{ENTER}");
  // Pasted as it stands: the line break and the percent sign are not key-string syntax.
  EXPECT_EQ(platform_.clipboard().content(), "Today is 12/7/2026.\r\nBye %x");
  EXPECT_TRUE(playback_.clipboard_saved());
  EXPECT_TRUE(platform_.clipboard().transient());

  timers_.Advance(99);
  EXPECT_EQ(platform_.clipboard().content(), "Today is 12/7/2026.\r\nBye %x");
  timers_.Advance(1);
  EXPECT_EQ(platform_.clipboard().content(), "earlier");
  EXPECT_FALSE(quiet_timer_.Enabled());
  EXPECT_FALSE(playback_.clipboard_saved());
}

TEST_F(BoostPlaybackTest, EveryFormatTheClipboardHeldComesBackInItsOrder) {
  const std::vector<FakeClipboard::Format> held = {
      {"image/png", std::string("\x89PNG\0\x01", 6)}, {"text/html", "<b>x</b>"}, {"text", ""}};
  platform_.clipboard().set_formats(held);
  playback_.Play({"{F9}", "phrase", false});
  EXPECT_EQ(platform_.clipboard().content(), "phrase");
  timers_.Advance(100);
  EXPECT_EQ(platform_.clipboard().formats(), held);
  EXPECT_FALSE(platform_.clipboard().transient());
}

TEST_F(BoostPlaybackTest, EmptyClipboardIsNotRestored) {
  playback_.Play({"{F9}", "text", false});
  timers_.Advance(100);
  EXPECT_EQ(platform_.clipboard().content(), "text");
  EXPECT_EQ(platform_.clipboard().history(), std::vector<std::string>{"text"});
}

TEST_F(BoostPlaybackTest, BusyClipboardFallsBackToTypingTheTextLiterally) {
  platform_.clipboard().set_content("earlier");
  platform_.clipboard().set_refuse_open(true);
  playback_.Play({"{F9}", "50% {off}\r\nok", true});
  EXPECT_EQ(Typed(), "50% {off}{ENTER}ok{ENTER}");
  EXPECT_EQ(platform_.keystrokes().actions()[2], KeyAction::Character('%'));

  platform_.clipboard().set_refuse_open(false);
  timers_.Advance(100);
  EXPECT_TRUE(platform_.clipboard().history().empty());
  EXPECT_EQ(platform_.clipboard().content(), "earlier");
}

}  // namespace
}  // namespace keyloom

namespace keyloom {
namespace {

struct CursorPlaybackCase {
  bool boost;
  std::string send_string;
  bool press_enter;
  int lefts;
};

class CursorPlaybackTest : public PlaybackFixture,
                           public testing::WithParamInterface<CursorPlaybackCase> {};

TEST_P(CursorPlaybackTest, LeavesTheCursorAtTheMark) {
  boost_on_ = GetParam().boost;
  playback_.Play({"{F2}", GetParam().send_string, GetParam().press_enter});
  const std::string typed = Typed();
  const std::string lefts = Repeated("{LEFT}", GetParam().lefts);
  ASSERT_GE(typed.size(), lefts.size());
  EXPECT_EQ(typed.substr(typed.size() - lefts.size()), lefts) << typed;
  EXPECT_EQ(typed.find("{LEFT}"), lefts.empty() ? std::string::npos : typed.size() - lefts.size())
      << typed;
  EXPECT_FALSE(playback_.CanUndo());
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, CursorPlaybackTest,
    testing::Values(CursorPlaybackCase{false, "<b>%(cursor)%</b>", false, 4},
                    CursorPlaybackCase{true, "<b>%(cursor)%</b>", false, 4},
                    // Line breaks count one each, a typed {enter} and Send Enter too.
                    CursorPlaybackCase{false, "Dear %(cursor)%,\r\n\r\nYours", true, 9},
                    CursorPlaybackCase{true, "Dear %(cursor)%,\r\n\r\nYours", true, 9},
                    CursorPlaybackCase{false, "(%(cursor)%){enter}x", false, 3},
                    // Beyond the BMP, one Left per character.
                    CursorPlaybackCase{true, "%(cursor)%\U0001F600\U0001F600", false, 2},
                    CursorPlaybackCase{false, "at the end%(cursor)%", false, 0}));

TEST_F(PlaybackTest, MatchingCaseChangesThePhraseOnlyWhenAsked) {
  const Launch launch{"ty", "thank you", false, "TY ", LaunchCase::kAllCapitals};
  playback_.Play(launch);
  EXPECT_EQ(Typed(), Backspaces(3) + "thank you");
  platform_.keystrokes().Clear();
  match_case_ = true;
  playback_.Play(launch);
  EXPECT_EQ(Typed(), Backspaces(3) + "THANK YOU");
  boost_on_ = true;
  playback_.Play({"ty", "thank you %(cursor)%", false, "Ty ", LaunchCase::kFirstCapital});
  EXPECT_EQ(platform_.clipboard().content(), "Thank you ");
}

TEST_F(PlaybackTest, UndoErasesThePhraseAndTypesTheLaunchBack) {
  playback_.Play({"td", "Hi\r\nthere", true, "Td\t"});
  ASSERT_TRUE(playback_.CanUndo());
  platform_.keystrokes().Clear();
  playback_.Undo();
  // "Hi", a line break, "there" and the Enter: 9; the user's Backspace took one.
  EXPECT_EQ(Typed(), Backspaces(8) + "Td{TAB}");
  EXPECT_FALSE(playback_.CanUndo());
  EXPECT_TRUE(quiet_timer_.Enabled());
}

TEST_F(PlaybackTest, NothingToUndoAfterAProgramAnEmptyPhraseOrKeysTheCursorFollowsOtherwise) {
  for (const char* send_string : {"%(run=calc.exe)%", "", "a{left}b", "^a"}) {
    playback_.Play({"td", send_string, false, "td "});
    EXPECT_FALSE(playback_.CanUndo()) << send_string;
  }
}

}  // namespace
}  // namespace keyloom
