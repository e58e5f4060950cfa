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

struct KeyCase {
  const char* layout;
  KeyDescription key;
  bool num_lock;
  int code;
};

class VirtualKeyForKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyForKeyTest, GivesWhatWindowsReportsOnTheSameLayout) {
  EXPECT_EQ(VirtualKeyForKey(GetParam().key, GetParam().num_lock), GetParam().code)
      << GetParam().layout << " " << GetParam().key.position;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, VirtualKeyForKeyTest,
    testing::Values(
        // Keypad keys name their digit while Num Lock is on.
        KeyCase{"us", {XK_KP_Home, XK_KP_7, "KP7"}, true, 103},
        KeyCase{"us", {XK_KP_Home, XK_KP_7, "KP7"}, false, 36},
        KeyCase{"us", {XK_KP_Delete, XK_KP_Decimal, "KPDL"}, true, 110},
        KeyCase{"us", {XK_KP_Delete, XK_KP_Decimal, "KPDL"}, false, 46},
        // Shift+1 gives "!" but the key stays the digit key.
        KeyCase{"us", {XK_1, XK_exclam, "AE01"}, true, '1'},
        KeyCase{"us", {XK_a, XK_A, "AC01"}, false, 'A'},
        KeyCase{"us", {XK_semicolon, XK_colon, "AC10"}, false, 186},
        // AZERTY: symbols on the digit row, digits shifted; its letters where they stand.
        KeyCase{"fr", {XK_ampersand, XK_1, "AE01"}, false, '1'},
        KeyCase{"fr", {XK_minus, XK_6, "AE06"}, false, '6'},
        KeyCase{"fr", {XK_agrave, XK_0, "AE10"}, false, '0'},
        KeyCase{"fr", {XK_a, XK_A, "AD01"}, false, 'A'},
        KeyCase{"fr", {XK_m, XK_M, "AC10"}, false, 'M'},
        KeyCase{"fr", {XK_comma, XK_question, "AB07"}, false, 188},
        KeyCase{"fr", {XK_twosuperior, NoSymbol, "TLDE"}, false, 192},
        // QWERTZ: Y and Z swapped, umlauts at the US punctuation places.
        KeyCase{"de", {XK_z, XK_Z, "AD06"}, false, 'Z'},
        KeyCase{"de", {XK_y, XK_Y, "AB01"}, false, 'Y'},
        KeyCase{"de", {XK_udiaeresis, XK_Udiaeresis, "AD11"}, false, 219},
        KeyCase{"de", {XK_ssharp, XK_question, "AE11"}, false, 189},
        // Russian: no Latin letters; the key at the place of the US V is V.
        KeyCase{"ru", {XK_Cyrillic_em, XK_Cyrillic_EM, "AB04"}, false, 'V'},
        KeyCase{"ru", {XK_Cyrillic_ie, XK_Cyrillic_IE, "AD05"}, false, 'T'},
        KeyCase{"ru", {XK_Cyrillic_be, XK_Cyrillic_BE, "AB08"}, false, 188},
        KeyCase{"ru", {XK_1, XK_exclam, "AE01"}, false, '1'},
        // Keys with no symbol, or none that Windows names, stay unreported.
        KeyCase{"us", {NoSymbol, NoSymbol, "AB04"}, false, 0},
        KeyCase{"us", {XK_eacute, XK_Eacute, "I120"}, false, 0}));

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
