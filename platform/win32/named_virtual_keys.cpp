#include "platform/win32/named_virtual_keys.h"

namespace keyloom {

VirtualKey VirtualKeyOf(NamedKey key) {
  switch (key) {
    case NamedKey::kBackspace:
      return {0x08};
    case NamedKey::kBreak:
      return {0x03, true};
    case NamedKey::kCapsLock:
      return {0x14};
    case NamedKey::kDelete:
      return {0x2E, true};
    case NamedKey::kDown:
      return {0x28, true};
    case NamedKey::kEnd:
      return {0x23, true};
    case NamedKey::kEnter:
      return {0x0D};
    case NamedKey::kEscape:
      return {0x1B};
    case NamedKey::kHelp:
      return {0x2F};
    case NamedKey::kHome:
      return {0x24, true};
    case NamedKey::kInsert:
      return {0x2D, true};
    case NamedKey::kLeft:
      return {0x25, true};
    case NamedKey::kNumLock:
      return {0x90, true};
    case NamedKey::kPageDown:
      return {0x22, true};
    case NamedKey::kPageUp:
      return {0x21, true};
    case NamedKey::kPrintScreen:
      return {0x2C, true};
    case NamedKey::kRight:
      return {0x27, true};
    case NamedKey::kScrollLock:
      return {0x91};
    case NamedKey::kTab:
      return {0x09};
    case NamedKey::kUp:
      return {0x26, true};
    case NamedKey::kAdd:
      return {0x6B};
    case NamedKey::kSubtract:
      return {0x6D};
    case NamedKey::kMultiply:
      return {0x6A};
    case NamedKey::kDivide:
      return {0x6F, true};
    default:
      break;
  }
  // F1 to F16 follow each other in both numberings.
  return {0x70 + (static_cast<int>(key) - static_cast<int>(NamedKey::kF1))};
}

}  // namespace keyloom
