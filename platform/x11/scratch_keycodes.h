#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace keyloom {

// The spare keycodes (those without symbols) that keystroke output binds to the characters
// the keyboard map lacks. A binding stays until its keycode is needed for another keysym:
// a client reads the changed map only when it handles the mapping notice, which may be after
// the key has been sent, so undoing the binding at once could turn the key into nothing.
// Within one round (one Send) a keycode is never taken from a keysym that the round uses.
class ScratchKeycodes {
 public:
  struct Slot {
    int keycode = 0;
    bool needs_binding = false;  // the caller must bind `keycode` to the keysym now
  };
  struct Binding {
    int keycode;
    unsigned long keysym;
  };

  // Replaces the spare keycodes after the keyboard map changed; bindings of keycodes that are
  // no longer spare are forgotten.
  void SetSpareKeycodes(const std::vector<int>& keycodes);

  // Starts a round: every keycode may be taken again.
  void BeginRound();

  // The keycode bound to `keysym`, if any, marked as used in this round.
  std::optional<int> Find(unsigned long keysym);
  // The keycode for `keysym`: its binding, else a free keycode, else the one used longest ago
  // outside this round. nullopt when every keycode serves this round already.
  std::optional<Slot> Assign(unsigned long keysym);

  bool IsSpare(int keycode) const;
  // The keycodes that hold a binding, for undoing them when the program ends.
  std::vector<Binding> Bindings() const;

 private:
  struct Entry {
    int keycode = 0;
    unsigned long keysym = 0;  // 0: unbound
    std::uint64_t last_used = 0;
    std::uint64_t round = 0;  // the round that last used it
  };
  Entry* FindEntry(unsigned long keysym);

  std::vector<Entry> entries_;
  std::uint64_t clock_ = 0;
  std::uint64_t round_ = 1;
};

}  // namespace keyloom
