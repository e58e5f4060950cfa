#include "platform/linux/virtual_keys.h"

#include <gtest/gtest.h>

#include <xkbcommon/xkbcommon-keysyms.h>

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
        KeysymCase{XKB_KEY_a, 'A'}, KeysymCase{XKB_KEY_z, 'Z'}, KeysymCase{XKB_KEY_T, 'T'},
        KeysymCase{XKB_KEY_0, '0'}, KeysymCase{XKB_KEY_9, '9'}, KeysymCase{XKB_KEY_F1, kVkF1},
        KeysymCase{XKB_KEY_F9, 120}, KeysymCase{XKB_KEY_F12, kVkF12}, KeysymCase{XKB_KEY_KP_0, 96},
        KeysymCase{XKB_KEY_KP_9, 105}, KeysymCase{XKB_KEY_KP_Multiply, 106},
        KeysymCase{XKB_KEY_KP_Add, 107}, KeysymCase{XKB_KEY_KP_Subtract, 109},
        KeysymCase{XKB_KEY_KP_Divide, 111}, KeysymCase{XKB_KEY_semicolon, 186},
        KeysymCase{XKB_KEY_equal, 187}, KeysymCase{XKB_KEY_comma, 188},
        KeysymCase{XKB_KEY_minus, 189}, KeysymCase{XKB_KEY_period, 190},
        KeysymCase{XKB_KEY_slash, 191}, KeysymCase{XKB_KEY_grave, 192},
        KeysymCase{XKB_KEY_bracketleft, 219}, KeysymCase{XKB_KEY_backslash, 220},
        KeysymCase{XKB_KEY_bracketright, 221}, KeysymCase{XKB_KEY_apostrophe, 222},
        KeysymCase{XKB_KEY_BackSpace, kVkBackspace}, KeysymCase{XKB_KEY_Tab, kVkTab},
        KeysymCase{XKB_KEY_ISO_Left_Tab, kVkTab}, KeysymCase{XKB_KEY_Return, kVkEnter},
        KeysymCase{XKB_KEY_KP_Enter, kVkEnter}, KeysymCase{XKB_KEY_Shift_L, kVkShift},
        KeysymCase{XKB_KEY_Shift_R, kVkShift}, KeysymCase{XKB_KEY_Control_R, kVkControl},
        KeysymCase{XKB_KEY_Alt_L, kVkAlt}, KeysymCase{XKB_KEY_Escape, kVkEscape},
        KeysymCase{XKB_KEY_space, kVkSpace}, KeysymCase{XKB_KEY_Prior, 33},
        KeysymCase{XKB_KEY_Next, 34}, KeysymCase{XKB_KEY_End, 35}, KeysymCase{XKB_KEY_Home, 36},
        KeysymCase{XKB_KEY_Left, 37}, KeysymCase{XKB_KEY_Up, kVkUp}, KeysymCase{XKB_KEY_Right, 39},
        KeysymCase{XKB_KEY_Down, kVkDown}, KeysymCase{XKB_KEY_Insert, 45},
        KeysymCase{XKB_KEY_Delete, 46}, KeysymCase{XKB_KEY_KP_Up, kVkUp},
        KeysymCase{XKB_KEY_Caps_Lock, 20}, KeysymCase{XKB_KEY_Num_Lock, 144},
        KeysymCase{XKB_KEY_eacute, 0}, KeysymCase{XKB_KEY_VoidSymbol, 0},
        KeysymCase{XKB_KEY_NoSymbol, 0}));

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
        KeyCase{"us", {XKB_KEY_KP_Home, XKB_KEY_KP_7, "KP7"}, true, 103},
        KeyCase{"us", {XKB_KEY_KP_Home, XKB_KEY_KP_7, "KP7"}, false, 36},
        KeyCase{"us", {XKB_KEY_KP_Delete, XKB_KEY_KP_Decimal, "KPDL"}, true, 110},
        KeyCase{"us", {XKB_KEY_KP_Delete, XKB_KEY_KP_Decimal, "KPDL"}, false, 46},
        // Shift+1 gives "!" but the key stays the digit key.
        KeyCase{"us", {XKB_KEY_1, XKB_KEY_exclam, "AE01"}, true, '1'},
        KeyCase{"us", {XKB_KEY_a, XKB_KEY_A, "AC01"}, false, 'A'},
        KeyCase{"us", {XKB_KEY_semicolon, XKB_KEY_colon, "AC10"}, false, 186},
        // AZERTY: symbols on the digit row, digits shifted; its letters where they stand.
        KeyCase{"fr", {XKB_KEY_ampersand, XKB_KEY_1, "AE01"}, false, '1'},
        KeyCase{"fr", {XKB_KEY_minus, XKB_KEY_6, "AE06"}, false, '6'},
        KeyCase{"fr", {XKB_KEY_agrave, XKB_KEY_0, "AE10"}, false, '0'},
        KeyCase{"fr", {XKB_KEY_a, XKB_KEY_A, "AD01"}, false, 'A'},
        KeyCase{"fr", {XKB_KEY_m, XKB_KEY_M, "AC10"}, false, 'M'},
        KeyCase{"fr", {XKB_KEY_comma, XKB_KEY_question, "AB07"}, false, 188},
        KeyCase{"fr", {XKB_KEY_twosuperior, XKB_KEY_NoSymbol, "TLDE"}, false, 192},
        // QWERTZ: Y and Z swapped, umlauts at the US punctuation places.
        KeyCase{"de", {XKB_KEY_z, XKB_KEY_Z, "AD06"}, false, 'Z'},
        KeyCase{"de", {XKB_KEY_y, XKB_KEY_Y, "AB01"}, false, 'Y'},
        KeyCase{"de", {XKB_KEY_udiaeresis, XKB_KEY_Udiaeresis, "AD11"}, false, 219},
        KeyCase{"de", {XKB_KEY_ssharp, XKB_KEY_question, "AE11"}, false, 189},
        // Russian: no Latin letters; the key at the place of the US V is V.
        KeyCase{"ru", {XKB_KEY_Cyrillic_em, XKB_KEY_Cyrillic_EM, "AB04"}, false, 'V'},
        KeyCase{"ru", {XKB_KEY_Cyrillic_ie, XKB_KEY_Cyrillic_IE, "AD05"}, false, 'T'},
        KeyCase{"ru", {XKB_KEY_Cyrillic_be, XKB_KEY_Cyrillic_BE, "AB08"}, false, 188},
        KeyCase{"ru", {XKB_KEY_1, XKB_KEY_exclam, "AE01"}, false, '1'},
        // Keys with no symbol, or none that Windows names, stay unreported.
        KeyCase{"us", {XKB_KEY_NoSymbol, XKB_KEY_NoSymbol, "AB04"}, false, 0},
        KeyCase{"us", {XKB_KEY_eacute, XKB_KEY_Eacute, "I120"}, false, 0}));

TEST(ModifierMaskFromStateTest, KeepsShiftControlAndAltOnly) {
  // The X11 core protocol's modifier bits.
  constexpr unsigned int kShift = 1u << 0, kLock = 1u << 1, kControl = 1u << 2, kMod1 = 1u << 3,
                         kMod2 = 1u << 4, kMod4 = 1u << 6;
  EXPECT_EQ(ModifierMaskFromState(0), 0);
  EXPECT_EQ(ModifierMaskFromState(kShift), kShiftMask);
  EXPECT_EQ(ModifierMaskFromState(kControl), kCtrlMask);
  EXPECT_EQ(ModifierMaskFromState(kMod1), kAltMask);
  EXPECT_EQ(ModifierMaskFromState(kShift | kControl | kMod1), kShiftMask | kCtrlMask | kAltMask);
  // Caps Lock, Num Lock (Mod2) and Super (Mod4) are no chord modifiers.
  EXPECT_EQ(ModifierMaskFromState(kLock | kMod2 | kMod4 | kControl), kCtrlMask);
  // Caps Lock is told apart, whatever else is held.
  EXPECT_TRUE(CapsLockFromState(kLock | kMod2));
  EXPECT_FALSE(CapsLockFromState(kShift | kMod2));
}

}  // namespace
}  // namespace keyloom
