#include "platform/x11/output_keysyms.h"

#include <string>

#include "platform/text.h"

#include <X11/keysym.h>

namespace keyloom {

unsigned long KeysymForNamedKey(NamedKey key) {
  switch (key) {
    case NamedKey::kBackspace:
      return XK_BackSpace;
    case NamedKey::kBreak:
      return XK_Break;
    case NamedKey::kCapsLock:
      return XK_Caps_Lock;
    case NamedKey::kDelete:
      return XK_Delete;
    case NamedKey::kDown:
      return XK_Down;
    case NamedKey::kEnd:
      return XK_End;
    case NamedKey::kEnter:
      return XK_Return;
    case NamedKey::kEscape:
      return XK_Escape;
    case NamedKey::kHelp:
      return XK_Help;
    case NamedKey::kHome:
      return XK_Home;
    case NamedKey::kInsert:
      return XK_Insert;
    case NamedKey::kLeft:
      return XK_Left;
    case NamedKey::kNumLock:
      return XK_Num_Lock;
    case NamedKey::kPageDown:
      return XK_Next;
    case NamedKey::kPageUp:
      return XK_Prior;
    case NamedKey::kPrintScreen:
      return XK_Print;
    case NamedKey::kRight:
      return XK_Right;
    case NamedKey::kScrollLock:
      return XK_Scroll_Lock;
    case NamedKey::kTab:
      return XK_Tab;
    case NamedKey::kUp:
      return XK_Up;
    case NamedKey::kAdd:
      return XK_KP_Add;
    case NamedKey::kSubtract:
      return XK_KP_Subtract;
    case NamedKey::kMultiply:
      return XK_KP_Multiply;
    case NamedKey::kDivide:
      return XK_KP_Divide;
    default:
      // F1 to F16 follow each other in both enumerations.
      return XK_F1 + (static_cast<unsigned long>(key) - static_cast<unsigned long>(NamedKey::kF1));
  }
}

unsigned long KeysymForCharacter(char32_t character) {
  const bool control = character < 0x20 || (character >= 0x7f && character < 0xa0);
  const bool surrogate = character >= 0xd800 && character <= 0xdfff;
  if (control || surrogate || character > 0x10ffff) return 0;
  if (character < 0x100) return character;
  return 0x01000000 + static_cast<unsigned long>(character);
}

CaseKeysyms CaseKeysymsOf(char32_t character) {
  std::string text;
  AppendUtf8(text, character);
  const auto single = [](const std::string& converted, char32_t fallback) {
    std::size_t pos = 0;
    const char32_t c = NextCodePoint(converted, pos);
    return pos == converted.size() ? c : fallback;
  };
  return {KeysymForCharacter(single(ToLower(text), character)),
          KeysymForCharacter(single(ToUpper(text), character))};
}

}  // namespace keyloom
