#include "platform/x11/virtual_keys.h"

#include <gtest/gtest.h>

// After GoogleTest: the X headers define None and other plain names as macros.
#include <X11/X.h>
#include <X11/keysym.h>

#include "platform/key_event.h"

namespace keyloom {
namespace {

struct KeysymCase {
  unsigned long keysym;
  int code;
};

class VirtualKeyFromKeysymTest : public testing::TestWithParam<KeysymCase> {};

TEST_P(VirtualKeyFromKeysymTest, MapsToTheWindowsCode) {
  EXPECT_EQ(VirtualKeyFromKeysym(GetParam().keysym), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyFromKeysymTest,
    testing::Values(
        KeysymCase{XK_a, 'A'}, KeysymCase{XK_z, 'Z'}, KeysymCase{XK_T, 'T'}, KeysymCase{XK_0, '0'},
        KeysymCase{XK_9, '9'}, KeysymCase{XK_F1, kVkF1}, KeysymCase{XK_F9, 120},
        KeysymCase{XK_F12, kVkF12}, KeysymCase{XK_KP_0, 96}, KeysymCase{XK_KP_9, 105},
        KeysymCase{XK_KP_Multiply, 106}, KeysymCase{XK_KP_Add, 107},
        KeysymCase{XK_KP_Subtract, 109}, KeysymCase{XK_KP_Divide, 111},
        KeysymCase{XK_semicolon, 186}, KeysymCase{XK_equal, 187}, KeysymCase{XK_comma, 188},
        KeysymCase{XK_minus, 189}, KeysymCase{XK_period, 190}, KeysymCase{XK_slash, 191},
        KeysymCase{XK_grave, 192}, KeysymCase{XK_bracketleft, 219}, KeysymCase{XK_backslash, 220},
        KeysymCase{XK_bracketright, 221}, KeysymCase{XK_apostrophe, 222},
        KeysymCase{XK_BackSpace, kVkBackspace}, KeysymCase{XK_Tab, kVkTab},
        KeysymCase{XK_ISO_Left_Tab, kVkTab}, KeysymCase{XK_Return, kVkEnter},
        KeysymCase{XK_KP_Enter, kVkEnter}, KeysymCase{XK_Shift_L, kVkShift},
        KeysymCase{XK_Shift_R, kVkShift}, KeysymCase{XK_Control_R, kVkControl},
        KeysymCase{XK_Alt_L, kVkAlt}, KeysymCase{XK_Escape, kVkEscape},
        KeysymCase{XK_space, kVkSpace}, KeysymCase{XK_Prior, 33}, KeysymCase{XK_Next, 34},
        KeysymCase{XK_End, 35}, KeysymCase{XK_Home, 36}, KeysymCase{XK_Left, 37},
        KeysymCase{XK_Up, kVkUp}, KeysymCase{XK_Right, 39}, KeysymCase{XK_Down, kVkDown},
        KeysymCase{XK_Insert, 45}, KeysymCase{XK_Delete, 46}, KeysymCase{XK_KP_Up, kVkUp},
        KeysymCase{XK_Caps_Lock, 20}, KeysymCase{XK_Num_Lock, 144}, KeysymCase{XK_eacute, 0},
        KeysymCase{XK_VoidSymbol, 0}, KeysymCase{NoSymbol, 0}));

TEST(VirtualKeyForKeyTest, KeypadDigitsFollowNumLock) {
  EXPECT_EQ(VirtualKeyForKey(XK_KP_Home, XK_KP_7, true), 103);
  EXPECT_EQ(VirtualKeyForKey(XK_KP_Home, XK_KP_7, false), 36);
  EXPECT_EQ(VirtualKeyForKey(XK_KP_Delete, XK_KP_Decimal, true), 110);
  EXPECT_EQ(VirtualKeyForKey(XK_KP_Delete, XK_KP_Decimal, false), 46);
}

TEST(VirtualKeyForKeyTest, OtherKeysUseTheUnshiftedLevel) {
  // Shift+1 gives "!" but the key stays the digit key, with Num Lock or without.
  EXPECT_EQ(VirtualKeyForKey(XK_1, XK_exclam, true), '1');
  EXPECT_EQ(VirtualKeyForKey(XK_a, XK_A, false), 'A');
}

TEST(ModifierMaskFromStateTest, KeepsShiftControlAndAltOnly) {
  EXPECT_EQ(ModifierMaskFromState(0), 0);
  EXPECT_EQ(ModifierMaskFromState(ShiftMask), kShiftMask);
  EXPECT_EQ(ModifierMaskFromState(ControlMask), kCtrlMask);
  EXPECT_EQ(ModifierMaskFromState(Mod1Mask), kAltMask);
  EXPECT_EQ(ModifierMaskFromState(ShiftMask | ControlMask | Mod1Mask),
            kShiftMask | kCtrlMask | kAltMask);
  // Caps Lock, Num Lock (Mod2) and Super (Mod4) are no chord modifiers.
  EXPECT_EQ(ModifierMaskFromState(LockMask | Mod2Mask | Mod4Mask | ControlMask), kCtrlMask);
}

}  // namespace
}  // namespace keyloom
