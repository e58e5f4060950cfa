#include "platform/ibus/ibus_key_mapping.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

constexpr unsigned int kShift = 1, kLock = 2, kCtrl = 4, kAlt = 8, kNumLock = 16, kAltGr = 128;

struct Case {
  const char* what;
  unsigned int keyval;
  unsigned int keycode;  // evdev
  unsigned int state;
  int key_code;
  int modifiers;
  char32_t layout_char;
};

// Layouts as IBus reports them: the keyval is what the user's layout made of the key.
TEST(IbusKeyMappingTest, KeysReadAsTheOtherBackendsReportThem) {
  const Case cases[] = {
      {"us a", 'a', 30, 0, 'A', 0, 0},
      {"us A with Shift", 'A', 30, kShift, 'A', kShiftMask, 0},
      {"us a with Caps Lock", 'A', 30, kLock, 'A', 0, 0},
      {"us a with Caps Lock and Shift", 'a', 30, kLock | kShift, 'A', kShiftMask, 0},
      {"us 1", '1', 2, 0, '1', 0, 0},
      {"us ! is the 1 key", '!', 2, kShift, '1', kShiftMask, '!'},
      {"us ;", ';', 39, 0, 186, 0, 0},
      {"us :", ':', 39, kShift, 186, kShiftMask, ':'},
      {"space", ' ', 57, 0, kVkSpace, 0, 0},
      {"Return", 0xFF0D, 28, 0, kVkEnter, 0, 0},
      {"Tab", 0xFF09, 15, 0, kVkTab, 0, 0},
      {"Shift+Tab", 0xFE20, 15, kShift, kVkTab, kShiftMask, 0},
      {"BackSpace", 0xFF08, 14, 0, kVkBackspace, 0, 0},
      {"Escape", 0xFF1B, 1, 0, kVkEscape, 0, 0},
      {"Down", 0xFF54, 108, 0, kVkDown, 0, 0},
      {"F1", 0xFFBE, 59, 0, kVkF1, 0, 0},
      {"Ctrl+Shift+F12", 0xFFC9, 88, kCtrl | kShift, kVkF12, kCtrlMask | kShiftMask, 0},
      {"Alt+F5", 0xFFC2, 63, kAlt, kVkF1 + 4, kAltMask, 0},
      {"keypad 1 with Num Lock", 0xFFB1, 79, kNumLock, 97, 0, 0},
      {"keypad End without Num Lock", 0xFF9C, 79, 0, 35, 0, 0},
      {"de z on the US Y key", 'z', 21, 0, 'Z', 0, 'z'},
      {"de ü", 0xFC, 26, 0, 219, 0, U'ü'},
      {"de Ü with Shift", 0xDC, 26, kShift, 219, kShiftMask, U'Ü'},
      {"de ü with Caps Lock", 0xDC, 26, kLock, 219, 0, U'ü'},
      {"de @ with AltGr on Q", '@', 16, kAltGr, 'Q', 0, '@'},
      {"fr é on the 2 key", 0xE9, 3, 0, '2', 0, U'é'},
      {"fr & on the 1 key", '&', 2, 0, '1', 0, '&'},
      {"fr 2 with Shift", '2', 3, kShift, '2', kShiftMask, 0},
      {"fr a on the US Q key", 'a', 16, 0, 'A', 0, 'a'},
      {"ru м on the US V key", 0x6CD, 47, 0, 'V', 0, U'м'},
      {"ru М with Caps Lock", 0x6ED, 47, kLock, 'V', 0, U'м'},
  };
  for (const Case& c : cases) {
    const KeyReport key{1, c.keyval, c.keycode, c.state, false, false, false, "app"};
    const KeyEvent event = KeyEventFromReport(key);  // its application points into `key`
    EXPECT_EQ(event.key_code, c.key_code) << c.what;
    EXPECT_EQ(event.modifiers, c.modifiers) << c.what;
    EXPECT_EQ(event.layout_char, c.layout_char) << c.what;
    EXPECT_EQ(event.application, "app") << c.what;
  }
}

TEST(IbusKeyMappingTest, TheKindOfFieldIsPassedOn) {
  const KeyEvent password = KeyEventFromReport({1, 0, 0, 0, true, false, false, ""});
  EXPECT_TRUE(password.in_password_field);
  EXPECT_EQ(password.key_code, 0);
  const KeyEvent other = KeyEventFromReport({1, 'a', 30, 0, false, true, true, ""});
  EXPECT_FALSE(other.in_password_field);
  EXPECT_TRUE(other.in_private_field);
  EXPECT_TRUE(other.in_terminal);
}

}  // namespace
}  // namespace keyloom
