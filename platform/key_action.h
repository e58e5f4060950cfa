#pragma once

#include <vector>

namespace keyloom {

enum class NamedKey {
  kBackspace,
  kBreak,
  kCapsLock,
  kDelete,
  kDown,
  kEnd,
  kEnter,
  kEscape,
  kHelp,
  kHome,
  kInsert,
  kLeft,
  kNumLock,
  kPageDown,
  kPageUp,
  kPrintScreen,
  kRight,
  kScrollLock,
  kTab,
  kUp,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kF6,
  kF7,
  kF8,
  kF9,
  kF10,
  kF11,
  kF12,
  kF13,
  kF14,
  kF15,
  kF16,
  kAdd,       // keypad +
  kSubtract,  // keypad -
  kMultiply,  // keypad *
  kDivide,    // keypad /
};

// One thing for keystroke output to do: press a named key or type a character, with the
// modifiers in `modifiers` (kShiftMask | kCtrlMask | kAltMask) held around it.
struct KeyAction {
  enum class Kind { kCharacter, kNamedKey };
  Kind kind = Kind::kCharacter;
  char32_t character = 0;           // for kCharacter: a Unicode code point
  NamedKey key = NamedKey::kEnter;  // for kNamedKey
  int modifiers = 0;

  static KeyAction Character(char32_t c, int modifiers = 0) {
    return {Kind::kCharacter, c, NamedKey::kEnter, modifiers};
  }
  static KeyAction Named(NamedKey k, int modifiers = 0) {
    return {Kind::kNamedKey, 0, k, modifiers};
  }
  friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

using KeyActions = std::vector<KeyAction>;

// Whether the action pastes in most applications: Ctrl+V or Shift+Insert (modifier bits as in
// key_event.h: Shift 1, Ctrl 2).
inline bool IsPasteKey(const KeyAction& action) {
  if (action.kind == KeyAction::Kind::kNamedKey) {
    return action.key == NamedKey::kInsert && (action.modifiers & 1) != 0;
  }
  return (action.character == 'v' || action.character == 'V') && (action.modifiers & 2) != 0;
}

}  // namespace keyloom
