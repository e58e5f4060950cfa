#include "platform/ibus/output_lines.h"

#include <gtest/gtest.h>

#include "platform/ibus/engine_protocol.h"
#include "platform/ibus/line_channel.h"
#include "platform/key_event.h"
#include "platform/text.h"

namespace keyloom {
namespace {

std::vector<std::string> Lines(std::initializer_list<KeyAction> actions) {
  return OutputLines(std::vector<KeyAction>(actions));
}

TEST(OutputLinesTest, TextIsCommittedAndKeysAreForwarded) {
  using A = KeyAction;
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"nothing", Lines({}), {}},
      {"a run of characters is one commit",
       Lines({A::Character(U'G'), A::Character(U'r'), A::Character(U'ü'), A::Character(U'天')}),
       {CommitLine("Grü天")}},
      {"Shift makes a capital",
       Lines({A::Character(U'a', kShiftMask), A::Character(U'é', kShiftMask)}),
       {CommitLine("AÉ")}},
      {"Shift on a character without case",
       Lines({A::Character(U'1', kShiftMask)}),
       {CommitLine("1")}},
      {"erase, then the phrase, then Enter",
       Lines({A::Named(NamedKey::kBackspace), A::Named(NamedKey::kBackspace), A::Character('h'),
              A::Character('i'), A::Named(NamedKey::kEnter), A::Character('!')}),
       {ForwardLine(0xFF08, 14, 0), ForwardLine(0xFF08, 14, 0), CommitLine("hi"),
        ForwardLine(0xFF0D, 28, 0), CommitLine("!")}},
      {"chords",
       Lines({A::Character('v', kCtrlMask), A::Character('V', kCtrlMask | kShiftMask),
              A::Named(NamedKey::kF4, kAltMask), A::Named(NamedKey::kInsert, kShiftMask)}),
       {ForwardLine('v', 47, 4), ForwardLine('v', 47, 5), ForwardLine(0xFFC1, 62, 8),
        ForwardLine(0xFF63, 110, 1)}},
      {"keypad and the last F-key",
       Lines({A::Named(NamedKey::kDivide), A::Named(NamedKey::kF16)}),
       {ForwardLine(0xFFAF, 98, 0), ForwardLine(0xFFCD, 186, 0)}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.lines, c.expected) << c.what;
}

TEST(OutputLinesTest, ALongTextGoesInCommitsThatTheEngineTakesAndJoinWhole) {
  std::vector<KeyAction> actions;
  std::string text;
  for (int i = 0; i < 40'000; ++i) {
    const char32_t c = i % 3 == 0 ? U'天' : U'a' + static_cast<char32_t>(i % 26);
    actions.push_back(KeyAction::Character(c));
    AppendUtf8(text, c);
  }
  std::string joined;
  const std::vector<std::string> lines = OutputLines(actions);
  EXPECT_GT(lines.size(), 1u);
  for (const std::string& line : lines) {
    EXPECT_LE(line.size(), LineChannel::kMaxLineBytes);
    const std::optional<ProgramMessage> message = ParseProgramLine(line);
    ASSERT_TRUE(message.has_value());
    joined += message->text;
  }
  EXPECT_EQ(joined, text);
}

}  // namespace
}  // namespace keyloom
