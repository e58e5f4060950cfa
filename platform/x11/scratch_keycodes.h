#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace keyloom {

// The spare keycodes (those without symbols) that keystroke output binds to the characters
// the keyboard map lacks. A binding stays until its keycode is needed for another keysym, and
// a keycode is bound anew only a while after its key was last sent: clients that look keys up
// look keys up in the map as the server has it when they handle them, which may be well after
// they were sent: a key sent earlier would turn into the new character. So a keycode that has
// been sent is bound anew only once the clients have handled its keys (ClientFence), or a while
// after, and any number of characters can be typed, the few spare keycodes taking turns.
class ScratchKeycodes {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kRebindAfter{400};

  struct Slot {
    int keycode = 0;
    bool needs_binding = false;  // the caller must bind `keycode` to the keysym
    bool rebinding = false;      // keys were sent with its old keysym
    Clock::time_point ready_at;  // and not before this time, unless the clients tell
  };
  struct Binding {
    int keycode;
    unsigned long keysym;
  };

  // Replaces the spare keycodes after the keyboard map changed: those that are `empty` now, and
  // those still `bound` as this list bound them. Other bindings are forgotten.
  void SetSpareKeycodes(const std::vector<int>& empty, const std::vector<int>& bound = {});

  // Starts a round: the keys of one burst, bound before the burst's first key goes out. Within
  // a round a keycode never changes its keysym.
  void BeginRound();

  // The round's keys went out at `now`: the time a keycode's clients get starts then.
  void RoundSent(Clock::time_point now);

  // The keycode bound to `keysym`, if any, marked as used in this round.
  std::optional<int> Find(unsigned long keysym, Clock::time_point now);
  // The keycode for `keysym`, to be sent at the slot's ready_at: its binding, else a free
  // keycode, else the one sent longest ago outside this round. nullopt when every keycode
  // serves this round already.
  std::optional<Slot> Assign(unsigned long keysym, Clock::time_point now);

  bool IsSpare(int keycode) const;
  bool HasSpareKeycodes() const { return !entries_.empty(); }
  // The keycodes that hold a binding, for undoing them when the program ends.
  std::vector<Binding> Bindings() const;

 private:
  struct Entry {
    int keycode = 0;
    unsigned long keysym = 0;  // 0: unbound
    Clock::time_point last_sent;
    std::uint64_t round = 0;  // the round that last used it
  };
  Entry* FindEntry(unsigned long keysym);

  std::vector<Entry> entries_;
  std::uint64_t round_ = 1;
};

}  // namespace keyloom
