#include "platform/ibus/output_lines.h"

#include <xkbcommon/xkbcommon.h>

#include <utility>

#include "platform/ibus/engine_protocol.h"
#include "platform/ibus/line_channel.h"
#include "platform/key_event.h"
#include "platform/text.h"

namespace keyloom {
namespace {

struct KeySpec {
  unsigned int keysym;
  unsigned int evdev_code;
};

// Indexed by NamedKey.
constexpr KeySpec kNamedKeys[] = {
    {0xFF08, 14},   // BackSpace
    {0xFF6B, 119},  // Break
    {0xFFE5, 58},   // Caps_Lock
    {0xFFFF, 111},  // Delete
    {0xFF54, 108},  // Down
    {0xFF57, 107},  // End
    {0xFF0D, 28},   // Return
    {0xFF1B, 1},    // Escape
    {0xFF6A, 138},  // Help
    {0xFF50, 102},  // Home
    {0xFF63, 110},  // Insert
    {0xFF51, 105},  // Left
    {0xFF7F, 69},   // Num_Lock
    {0xFF56, 109},  // Next
    {0xFF55, 104},  // Prior
    {0xFF61, 99},   // Print
    {0xFF53, 106},  // Right
    {0xFF14, 70},   // Scroll_Lock
    {0xFF09, 15},   // Tab
    {0xFF52, 103},  // Up
    {0xFFBE, 59},  {0xFFBF, 60},  {0xFFC0, 61},  {0xFFC1, 62},  {0xFFC2, 63}, {0xFFC3, 64},
    {0xFFC4, 65},  {0xFFC5, 66},  {0xFFC6, 67},  {0xFFC7, 68},  {0xFFC8, 87}, {0xFFC9, 88},
    {0xFFCA, 183}, {0xFFCB, 184}, {0xFFCC, 185}, {0xFFCD, 186},  // F1 to F16
    {0xFFAB, 78},                                                // KP_Add
    {0xFFAD, 74},                                                // KP_Subtract
    {0xFFAA, 55},                                                // KP_Multiply
    {0xFFAF, 98},                                                // KP_Divide
};
static_assert(std::size(kNamedKeys) == static_cast<std::size_t>(NamedKey::kDivide) + 1);

// The evdev codes of the US keyboard's letters and digits, for chords such as Ctrl+V, which
// some toolkits match by key as well as by keysym.
constexpr char kUsLetterRows[][2][11] = {
    {"1234567890", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"qwertyuiop", {16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
    {"asdfghjkl", {30, 31, 32, 33, 34, 35, 36, 37, 38}},
    {"zxcvbnm", {44, 45, 46, 47, 48, 49, 50}},
};

unsigned int UsEvdevCode(char32_t c) {
  for (const auto& row : kUsLetterRows) {
    for (std::size_t i = 0; row[0][i] != '\0'; ++i) {
      if (static_cast<char32_t>(row[0][i]) == c) return static_cast<unsigned int>(row[1][i]);
    }
  }
  return 0;
}

// A commit's line, with every byte percent-encoded, stays within the engine's line limit.
constexpr std::size_t kMaxCommitBytes = 16 * 1024;
static_assert(kMaxCommitBytes * 3 + 16 < LineChannel::kMaxLineBytes);

unsigned int StateOf(int modifiers) {
  unsigned int state = 0;
  if ((modifiers & kShiftMask) != 0) state |= 1 << 0;
  if ((modifiers & kCtrlMask) != 0) state |= 1 << 2;
  if ((modifiers & kAltMask) != 0) state |= 1 << 3;
  return state;
}

KeySpec SpecOf(const KeyAction& action) {
  if (action.kind == KeyAction::Kind::kNamedKey) {
    return kNamedKeys[static_cast<std::size_t>(action.key)];
  }
  const xkb_keysym_t keysym = xkb_keysym_to_lower(xkb_utf32_to_keysym(action.character));
  return {keysym, UsEvdevCode(xkb_keysym_to_utf32(keysym))};
}

}  // namespace

std::vector<std::string> OutputLines(std::span<const KeyAction> actions) {
  std::vector<std::string> lines;
  std::string text;
  const auto flush_text = [&] {
    if (!text.empty()) lines.push_back(CommitLine(std::exchange(text, {})));
  };
  for (const KeyAction& action : actions) {
    const bool typed =
        action.kind == KeyAction::Kind::kCharacter && (action.modifiers & ~kShiftMask) == 0;
    if (typed) {
      char32_t c = action.character;
      if (action.modifiers == kShiftMask) {
        c = xkb_keysym_to_utf32(xkb_keysym_to_upper(xkb_utf32_to_keysym(c)));
        if (c == 0) c = action.character;
      }
      AppendUtf8(text, c);
      if (text.size() >= kMaxCommitBytes) flush_text();
      continue;
    }
    flush_text();
    const KeySpec key = SpecOf(action);
    lines.push_back(ForwardLine(key.keysym, key.evdev_code, StateOf(action.modifiers)));
  }
  flush_text();
  return lines;
}

}  // namespace keyloom
