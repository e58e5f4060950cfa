#pragma once

#include <string_view>

namespace keyloom {

// Modifier mask bits of a key event, the same on every platform.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Windows virtual-key codes that the programs name; every backend reports keys in this code.
inline constexpr int kVkBackspace = 8;
inline constexpr int kVkTab = 9;
inline constexpr int kVkEnter = 13;
inline constexpr int kVkShift = 16;
inline constexpr int kVkControl = 17;
inline constexpr int kVkAlt = 18;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkSpace = 32;
inline constexpr int kVkUp = 38;
inline constexpr int kVkDown = 40;
inline constexpr int kVkDelete = 46;
inline constexpr int kVkF1 = 112;
inline constexpr int kVkF12 = 123;

// One key press reported by the keyboard hook, before the focused window sees it.
struct KeyEvent {
  int key_code = 0;      // virtual-key code
  int modifiers = 0;     // kShiftMask | kCtrlMask | kAltMask
  bool discard = false;  // set by the handler to withhold the key from the focused window
  // What the active keyboard layout types with this key (Shift and AltGr as held; Caps Lock and
  // Ctrl left out), on layouts other than US only; 0 on the US layout and for keys that type
  // nothing.
  char32_t layout_char = 0;
  // Caps Lock is on: a letter key typed without Shift types a capital.
  bool caps_lock = false;
  // The keyboard focus is in a password field, as far as the backend can tell.
  bool in_password_field = false;
  // The application marked the field private (a browser's private window): what is typed there
  // is followed but never learned or remembered.
  bool in_private_field = false;
  // The focus is in a terminal, as far as the backend can tell (the core also knows terminals
  // by their application's name).
  bool in_terminal = false;
  // The application that has the focus, as the backend names it (Windows: its program file's
  // name, such as "notepad.exe"; X11: the class of the focused window's WM_CLASS, such as
  // "XTerm"); empty when unknown. Valid while the handler runs.
  std::string_view application = {};
};

class KeyHandler {
 public:
  virtual ~KeyHandler() = default;
  // Runs on the UI thread, once per key press, and must return within microseconds.
  virtual void HandleKey(KeyEvent& event) = 0;
  // The system had dropped the keyboard hook and it was installed again (Windows): keys typed
  // meanwhile were not seen.
  virtual void KeyboardHookRestored() {}
};

}  // namespace keyloom
