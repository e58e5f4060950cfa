#include "phrases/caret_stops.h"

#include <gtest/gtest.h>

#include <string>

#include "phrases/playback.h"
#include "platform/key_event.h"

namespace keyloom {
namespace {

struct StopsCase {
  std::string text;
  int stops;
};

class CaretStopsTest : public testing::TestWithParam<StopsCase> {};

TEST_P(CaretStopsTest, OnePerCharacterAsATextViewMovesOverIt) {
  EXPECT_EQ(CaretStops(LiteralTextActions(GetParam().text)), GetParam().stops);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CaretStopsTest,
    testing::Values(StopsCase{"", 0}, StopsCase{"abc", 3},
                    // A line break is one stop, CR LF too; a tab is one.
                    StopsCase{"a\r\nb\nc\td", 7},
                    // Beyond the BMP, one per character.
                    StopsCase{"a\U0001F600b", 3},
                    // Marks and joined characters go with the one before.
                    StopsCase{"e\u0301a", 2}, StopsCase{"\U0001F44D\U0001F3FD!", 2},
                    StopsCase{"\U0001F468\u200D\U0001F469\u200D\U0001F467x", 2},
                    StopsCase{"\u2764\uFE0F", 1}));

TEST(CaretStopsTest, KeysThatMoveTheCursorOtherwiseCannotBeFollowed) {
  EXPECT_EQ(CaretStops({KeyAction::Character('a'), KeyAction::Named(NamedKey::kLeft)}),
            std::nullopt);
  EXPECT_EQ(CaretStops({KeyAction::Character('v', kCtrlMask)}), std::nullopt);
  EXPECT_EQ(CaretStops({KeyAction::Character('A', kShiftMask)}), 1);
}

}  // namespace
}  // namespace keyloom
