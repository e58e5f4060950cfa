#include "phrases/launch_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/key_event.h"

namespace keyloom {
namespace {

struct CaseOfLaunchCase {
  std::vector<bool> capitals;
  LaunchCase expected;
};

class CaseOfLaunchTest : public testing::TestWithParam<CaseOfLaunchCase> {};

TEST_P(CaseOfLaunchTest, FollowsTheLettersAsTyped) {
  EXPECT_EQ(CaseOfLaunch(GetParam().capitals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, CaseOfLaunchTest,
    testing::Values(CaseOfLaunchCase{{false, false}, LaunchCase::kAsStored},
                    CaseOfLaunchCase{{true, false}, LaunchCase::kFirstCapital},
                    CaseOfLaunchCase{{true, true}, LaunchCase::kAllCapitals},
                    CaseOfLaunchCase{{true, true, false}, LaunchCase::kFirstCapital},
                    // Only the first letter decides: a capital further on is a slip.
                    CaseOfLaunchCase{{false, true}, LaunchCase::kAsStored},
                    // One capital letter is a capital first letter, not a shout.
                    CaseOfLaunchCase{{true}, LaunchCase::kFirstCapital},
                    CaseOfLaunchCase{{}, LaunchCase::kAsStored}));

struct ApplyCase {
  std::string text;
  LaunchCase launch_case;
  std::string expected;
};

class ApplyLaunchCaseTest : public testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyLaunchCaseTest, ChangesTheFirstLetterOrAll) {
  EXPECT_EQ(ApplyLaunchCase(GetParam().text, GetParam().launch_case), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ApplyLaunchCaseTest,
    testing::Values(ApplyCase{"thank you", LaunchCase::kFirstCapital, "Thank you"},
                    ApplyCase{"thank you", LaunchCase::kAllCapitals, "THANK YOU"},
                    ApplyCase{"thank you", LaunchCase::kAsStored, "thank you"},
                    // The first letter, past what is no letter.
                    ApplyCase{"\"¿qué? 12", LaunchCase::kFirstCapital, "\"¿Qué? 12"},
                    ApplyCase{"ёлка\r\nдом", LaunchCase::kAllCapitals, "ЁЛКА\r\nДОМ"},
                    ApplyCase{"12:00", LaunchCase::kAllCapitals, "12:00"}));

TEST(ApplyLaunchCaseTest, TypedPhrasesKeepTheirShortcuts) {
  KeyActions actions = {KeyAction::Character('a', kCtrlMask), KeyAction::Named(NamedKey::kEnter),
                        KeyAction::Character('b'), KeyAction::Character('c')};
  ApplyLaunchCase(actions, LaunchCase::kFirstCapital);
  EXPECT_EQ(actions,
            (KeyActions{KeyAction::Character('a', kCtrlMask), KeyAction::Named(NamedKey::kEnter),
                        KeyAction::Character('B'), KeyAction::Character('c')}));
}

}  // namespace
}  // namespace keyloom
