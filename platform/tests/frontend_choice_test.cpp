#include "platform/frontend_choice.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(FrontendChoiceTest, X11WhereItSeesTheDesktopTheInputMethodElsewhere) {
  struct Case {
    const char* what;
    FrontendSituation situation;  // Wayland, X11 display, IBus running, IBus chosen
    Frontend expected;
  };
  const Case cases[] = {
      {"an X11 session", {false, true, false, false}, Frontend::kX11},
      {"an X11 session with IBus", {false, true, true, false}, Frontend::kX11},
      {"an X11 session, IBus chosen", {false, true, true, true}, Frontend::kInputMethod},
      {"IBus chosen but not running", {false, true, false, true}, Frontend::kX11},
      {"Wayland with IBus", {true, true, true, false}, Frontend::kInputMethod},
      {"Wayland without Xwayland", {true, false, true, false}, Frontend::kInputMethod},
      {"Wayland without IBus", {true, true, false, false}, Frontend::kNone},
      {"no display at all, IBus running", {false, false, true, false}, Frontend::kNone},
      {"nothing", {false, false, false, false}, Frontend::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseFrontend(c.situation), c.expected) << c.what;
}

TEST(FrontendChoiceTest, TheReasonTellsHowToAddTheInputSource) {
  const std::string wayland = NoFrontendReason({true, true, false, false}, "Quipcast");
  EXPECT_NE(wayland.find("Wayland"), std::string::npos);
  EXPECT_NE(wayland.find("input source \"Keyloom\""), std::string::npos);
  EXPECT_NE(wayland.find("start Quipcast again"), std::string::npos);
  const std::string nothing = NoFrontendReason({false, false, false, false}, "Keyloom");
  EXPECT_NE(nothing.find("no X11 display"), std::string::npos);
  const std::string not_chosen = InputSourceNotChosenNotice("Keyloom");
  EXPECT_EQ(not_chosen.rfind("Keyloom is running", 0), 0u);
  EXPECT_NE(not_chosen.find("Settings > Keyboard > Input Sources"), std::string::npos);
}

}  // namespace
}  // namespace keyloom
