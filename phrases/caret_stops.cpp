#include "phrases/caret_stops.h"

#include "platform/key_event.h"

namespace keyloom {
namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;

// Marks that a text view keeps with the character before them.
bool JoinsThePreviousCharacter(char32_t c) {
  return (c >= 0x300 && c <= 0x36F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
         (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
         (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
         (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0100 && c <= 0xE01EF) || c == kZeroWidthJoiner;
}

}  // namespace

std::optional<int> CaretStops(const KeyActions& actions) {
  int stops = 0;
  bool joined = false;
  for (const KeyAction& action : actions) {
    if ((action.modifiers & (kCtrlMask | kAltMask)) != 0) return std::nullopt;
    if (action.kind == KeyAction::Kind::kNamedKey) {
      if (action.key != NamedKey::kEnter && action.key != NamedKey::kTab) return std::nullopt;
      ++stops;
      joined = false;
      continue;
    }
    const char32_t c = action.character;
    if (stops == 0 || !(joined || JoinsThePreviousCharacter(c))) ++stops;
    joined = c == kZeroWidthJoiner;
  }
  return stops;
}

}  // namespace keyloom
