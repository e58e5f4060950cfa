#include "platform/win32/key_input_plan.h"

#include <optional>
#include <utility>

#include "platform/key_event.h"
#include "platform/win32/keyboard_state.h"
#include "platform/win32/named_virtual_keys.h"

namespace keyloom {
namespace {

constexpr int kVkLeftAlt = 0xA4;
constexpr int kVkRightAlt = 0xA5;

struct LatinKey {
  int code;  // VK_A..VK_Z, VK_0..VK_9
  bool shift;
};

std::optional<LatinKey> LatinKeyOf(char32_t c) {
  if (c >= 'a' && c <= 'z') return LatinKey{static_cast<int>(c - 'a' + 'A'), false};
  if (c >= 'A' && c <= 'Z') return LatinKey{static_cast<int>(c), true};
  if (c >= '0' && c <= '9') return LatinKey{static_cast<int>(c), false};
  return std::nullopt;
}

class PlanBuilder {
 public:
  PlanBuilder(const KeyboardFacts& keyboard, const InjectionTags& tags)
      : keyboard_(keyboard), tags_(tags) {}

  void Key(int code, bool up, bool extended = false, bool restore = false) {
    plan_.inputs.push_back({KeyInput::Kind::kVirtualKey, static_cast<std::uint16_t>(code), up,
                            extended, restore ? tags_.restore : tags_.typed});
  }
  void Tap(int code, bool extended = false) {
    Key(code, false, extended);
    Key(code, true, extended);
  }
  void Unit(char16_t unit, bool up) {
    plan_.inputs.push_back({KeyInput::Kind::kUnicode, unit, up, false, tags_.typed});
  }

  // Lets go of what the user holds, so that it cannot change what is typed.
  void ReleaseHeld() {
    if (keyboard_.LogicallyDown(kVkLeftAlt) || keyboard_.LogicallyDown(kVkRightAlt)) {
      Tap(kNeutralVirtualKey);
    }
    for (const int key : HeldModifiers::kKeys) {
      if (!keyboard_.LogicallyDown(key)) continue;
      Key(key, true);
      released_.push_back(key);
    }
  }

  // Puts back what the user still holds; the hook drops a restore that comes too late.
  void RestoreHeld() {
    for (const int key : released_) {
      if (keyboard_.PhysicallyHeld(key)) Key(key, false, false, true);
    }
  }

  void Action(const KeyAction& action) {
    if (action.kind == KeyAction::Kind::kNamedKey) {
      const VirtualKey key = VirtualKeyOf(action.key);
      Chord(action.modifiers, [&] { Tap(key.code, key.extended); });
      return;
    }
    const char32_t c = action.character;
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      plan_.complete = false;
      return;
    }
    // A chord with a character is a shortcut: applications look at its key, not its text.
    // Letters and digits have their own virtual keys on every layout, Russian or Greek ones
    // included, where no key types a Latin "v".
    if (action.modifiers != 0) {
      if (const std::optional<LatinKey> latin = LatinKeyOf(c)) {
        Chord(action.modifiers | (latin->shift ? kShiftMask : 0), [&] { Tap(latin->code); });
        return;
      }
      if (const auto scan = keyboard_.KeyScan(c)) {
        const int mask = action.modifiers | ((*scan >> 8) & (kShiftMask | kCtrlMask | kAltMask));
        Chord(mask, [&] { Tap(*scan & 0xFF); });
        return;
      }
    }
    Chord(action.modifiers, [&] { Character(c); });
  }

  KeyInputPlan Take() { return std::move(plan_); }

 private:
  template <typename Body>
  void Chord(int modifiers, Body body) {
    constexpr int kChordKeys[][2] = {{kShiftMask, 0x10}, {kCtrlMask, 0x11}, {kAltMask, 0x12}};
    for (const auto& [mask, key] : kChordKeys) {
      if (modifiers & mask) Key(key, false);
    }
    body();
    for (int i = 2; i >= 0; --i) {
      if (modifiers & kChordKeys[i][0]) Key(kChordKeys[i][1], true);
    }
  }

  void Character(char32_t c) {
    if (c < 0x10000) {
      Unit(static_cast<char16_t>(c), false);
      Unit(static_cast<char16_t>(c), true);
      return;
    }
    const char32_t offset = c - 0x10000;
    const auto high = static_cast<char16_t>(0xD800 + (offset >> 10));
    const auto low = static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    Unit(high, false);
    Unit(high, true);
    Unit(low, false);
    Unit(low, true);
  }

  const KeyboardFacts& keyboard_;
  const InjectionTags& tags_;
  KeyInputPlan plan_;
  std::vector<int> released_;
};

}  // namespace

KeyInputPlan PlanKeyInputs(std::span<const KeyAction> actions, const KeyboardFacts& keyboard,
                           const InjectionTags& tags) {
  PlanBuilder builder(keyboard, tags);
  builder.ReleaseHeld();
  for (const KeyAction& action : actions) builder.Action(action);
  builder.RestoreHeld();
  return builder.Take();
}

}  // namespace keyloom
