#include "platform/key_names.h"

#include <array>

namespace keyloom {
namespace {

struct KeyNameEntry {
  std::string_view name;
  NamedKey key;
};

// Canonical names first, in the order of NamedKey, so that KeyName can index them.
constexpr std::array<KeyNameEntry, 44> kKeyNames = {{
    {"BACKSPACE", NamedKey::kBackspace},
    {"BREAK", NamedKey::kBreak},
    {"CAPSLOCK", NamedKey::kCapsLock},
    {"DELETE", NamedKey::kDelete},
    {"DOWN", NamedKey::kDown},
    {"END", NamedKey::kEnd},
    {"ENTER", NamedKey::kEnter},
    {"ESC", NamedKey::kEscape},
    {"HELP", NamedKey::kHelp},
    {"HOME", NamedKey::kHome},
    {"INSERT", NamedKey::kInsert},
    {"LEFT", NamedKey::kLeft},
    {"NUMLOCK", NamedKey::kNumLock},
    {"PGDN", NamedKey::kPageDown},
    {"PGUP", NamedKey::kPageUp},
    {"PRTSC", NamedKey::kPrintScreen},
    {"RIGHT", NamedKey::kRight},
    {"SCROLLLOCK", NamedKey::kScrollLock},
    {"TAB", NamedKey::kTab},
    {"UP", NamedKey::kUp},
    {"F1", NamedKey::kF1},
    {"F2", NamedKey::kF2},
    {"F3", NamedKey::kF3},
    {"F4", NamedKey::kF4},
    {"F5", NamedKey::kF5},
    {"F6", NamedKey::kF6},
    {"F7", NamedKey::kF7},
    {"F8", NamedKey::kF8},
    {"F9", NamedKey::kF9},
    {"F10", NamedKey::kF10},
    {"F11", NamedKey::kF11},
    {"F12", NamedKey::kF12},
    {"F13", NamedKey::kF13},
    {"F14", NamedKey::kF14},
    {"F15", NamedKey::kF15},
    {"F16", NamedKey::kF16},
    {"ADD", NamedKey::kAdd},
    {"SUBTRACT", NamedKey::kSubtract},
    {"MULTIPLY", NamedKey::kMultiply},
    {"DIVIDE", NamedKey::kDivide},
    // Aliases.
    {"BS", NamedKey::kBackspace},
    {"BKSP", NamedKey::kBackspace},
    {"DEL", NamedKey::kDelete},
    {"INS", NamedKey::kInsert},
}};

static_assert(kKeyNames[static_cast<int>(NamedKey::kDivide)].key == NamedKey::kDivide);

// Names are ASCII; a non-ASCII letter never matches, even one that upper-cases to ASCII.
bool EqualsAsciiNoCase(std::string_view text, std::string_view upper_name) {
  if (text.size() != upper_name.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c) != upper_name[i]) return false;
  }
  return true;
}

}  // namespace

std::string_view KeyName(NamedKey key) { return kKeyNames[static_cast<std::size_t>(key)].name; }

std::optional<NamedKey> FindNamedKey(std::string_view name) {
  for (const KeyNameEntry& entry : kKeyNames) {
    if (EqualsAsciiNoCase(name, entry.name)) return entry.key;
  }
  return std::nullopt;
}

}  // namespace keyloom
