#include "shell/win32/control_styles.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/win32/win32_api.h"

namespace keyloom {
namespace {

ControlDesign Design(ControlKind kind, int tab_index = -1) {
  ControlDesign design;
  design.kind = kind;
  design.id = "Control";
  design.tab_index = tab_index;
  return design;
}

struct StyleCase {
  const char* name;
  ControlKind kind;
  const wchar_t* class_name;
  std::uint32_t required;
};

class ControlStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(ControlStyles, UsesTheSystemControl) {
  const ControlDesign design = Design(GetParam().kind, 0);
  const NativeControl native = NativeControlFor(design, true);
  ASSERT_NE(native.class_name, nullptr);
  EXPECT_EQ(std::wstring(native.class_name), GetParam().class_name);
  EXPECT_EQ(native.style & GetParam().required, GetParam().required);
  EXPECT_TRUE(native.style & WS_CHILD);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ControlStyles,
    ::testing::Values(
        StyleCase{"label", ControlKind::kLabel, L"STATIC", SS_NOPREFIX},
        StyleCase{"text", ControlKind::kTextBox, L"EDIT", ES_AUTOHSCROLL},
        StyleCase{"multiline", ControlKind::kMultiLineTextBox, L"EDIT",
                  ES_MULTILINE | ES_WANTRETURN},
        StyleCase{"list", ControlKind::kListBox, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
        StyleCase{"check", ControlKind::kCheckBox, L"BUTTON", BS_AUTOCHECKBOX},
        StyleCase{"option", ControlKind::kOptionButton, L"BUTTON", BS_AUTORADIOBUTTON},
        StyleCase{"frame", ControlKind::kFrame, L"BUTTON", BS_GROUPBOX},
        StyleCase{"button", ControlKind::kButton, L"BUTTON", WS_TABSTOP}),
    [](const auto& param_info) { return param_info.param.name; });

TEST(ControlStylesTest, TheListBoxLeavesTheOrderToTheProgram) {
  const ControlDesign design = Design(ControlKind::kListBox);
  EXPECT_EQ(NativeControlFor(design, true).style & LBS_SORT, 0u);
}

TEST(ControlStylesTest, OnlyControlsInTheTabOrderAreTabStops) {
  const ControlDesign label = Design(ControlKind::kLabel);
  EXPECT_EQ(NativeControlFor(label, true).style & WS_TABSTOP, 0u);
  const ControlDesign frame = Design(ControlKind::kFrame, 3);
  EXPECT_EQ(NativeControlFor(frame, true).style & WS_TABSTOP, 0u);
}

TEST(ControlStylesTest, AGroupStartIsMarked) {
  const ControlDesign option = Design(ControlKind::kOptionButton, 2);
  EXPECT_EQ(NativeControlFor(option, false).style & WS_GROUP, 0u);
  EXPECT_NE(NativeControlFor(option, true).style & WS_GROUP, 0u);
}

TEST(ControlStylesTest, ABorderlessFrameHasNoWindow) {
  ControlDesign frame = Design(ControlKind::kFrame);
  frame.borderless = true;
  EXPECT_EQ(NativeControlFor(frame, true).class_name, nullptr);
}

}  // namespace
}  // namespace keyloom
