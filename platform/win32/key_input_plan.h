#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/key_action.h"
#include "platform/win32/injection_tags.h"

namespace keyloom {

// One keyboard input for SendInput, before it becomes an INPUT record.
struct KeyInput {
  enum class Kind { kVirtualKey, kUnicode };
  Kind kind = Kind::kVirtualKey;
  std::uint16_t code = 0;  // the virtual key, or the UTF-16 unit
  bool up = false;
  bool extended = false;
  std::uintptr_t tag = 0;
  friend bool operator==(const KeyInput&, const KeyInput&) = default;
};

// What the plan needs to know of the keyboard at the time of typing.
class KeyboardFacts {
 public:
  virtual ~KeyboardFacts() = default;
  // Whether the system takes the key as down now (GetAsyncKeyState).
  virtual bool LogicallyDown(int virtual_key) const = 0;
  // Whether the user's finger is on it (see HeldModifiers).
  virtual bool PhysicallyHeld(int virtual_key) const = 0;
  // The key of the keyboard layout that types `c`, with the Shift/Ctrl/Alt mask it needs
  // (VkKeyScan: low byte the key, high byte the mask); nullopt when no key types it.
  virtual std::optional<int> KeyScan(char32_t c) const = 0;
};

struct KeyInputPlan {
  std::vector<KeyInput> inputs;
  bool complete = true;  // false when some action could not be typed
};

// The inputs that type `actions` whatever modifiers the user holds: the held ones are released
// first (after a neutral key when Alt is down, so that letting go of Alt opens no menu), plain
// characters go as Unicode input, named keys and modifier chords as virtual keys, and the held
// modifiers that the user still holds are pressed again at the end with the restore tag.
KeyInputPlan PlanKeyInputs(std::span<const KeyAction> actions, const KeyboardFacts& keyboard,
                           const InjectionTags& tags);

// The key that stands between Alt and its release; no layout gives it a meaning.
inline constexpr int kNeutralVirtualKey = 0xE8;

}  // namespace keyloom
