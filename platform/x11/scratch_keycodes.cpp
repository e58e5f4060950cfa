#include "platform/x11/scratch_keycodes.h"

#include <algorithm>

namespace keyloom {

void ScratchKeycodes::SetSpareKeycodes(const std::vector<int>& empty,
                                       const std::vector<int>& bound) {
  std::vector<Entry> entries;
  for (const int keycode : empty) entries.push_back(Entry{keycode, 0, {}, 0});
  for (const int keycode : bound) {
    const auto old = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.keycode == keycode; });
    if (old != entries_.end()) entries.push_back(*old);
  }
  entries_ = std::move(entries);
}

ScratchKeycodes::Entry* ScratchKeycodes::FindEntry(unsigned long keysym) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.keysym == keysym; });
  return found == entries_.end() ? nullptr : &*found;
}

void ScratchKeycodes::BeginRound() { ++round_; }

void ScratchKeycodes::RoundSent(Clock::time_point now) {
  for (Entry& entry : entries_) {
    if (entry.round == round_) entry.last_sent = std::max(entry.last_sent, now);
  }
}

std::optional<int> ScratchKeycodes::Find(unsigned long keysym, Clock::time_point now) {
  Entry* entry = keysym == 0 ? nullptr : FindEntry(keysym);
  if (entry == nullptr) return std::nullopt;
  entry->last_sent = std::max(entry->last_sent, now);
  entry->round = round_;
  return entry->keycode;
}

std::optional<ScratchKeycodes::Slot> ScratchKeycodes::Assign(unsigned long keysym,
                                                             Clock::time_point now) {
  if (const std::optional<int> bound = Find(keysym, now)) return Slot{*bound, false, false, now};
  // An unbound keycode first, then the one sent longest ago.
  Entry* best = nullptr;
  for (Entry& entry : entries_) {
    if (entry.round == round_) continue;
    if (best == nullptr || (entry.keysym == 0) > (best->keysym == 0) ||
        ((entry.keysym == 0) == (best->keysym == 0) && entry.last_sent < best->last_sent)) {
      best = &entry;
    }
  }
  if (best == nullptr) return std::nullopt;
  const bool rebinding = best->keysym != 0;
  const Clock::time_point ready_at =
      rebinding ? std::max(now, best->last_sent + kRebindAfter) : now;
  best->keysym = keysym;
  best->last_sent = ready_at;
  best->round = round_;
  return Slot{best->keycode, true, rebinding, ready_at};
}

bool ScratchKeycodes::IsSpare(int keycode) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& e) { return e.keycode == keycode; });
}

std::vector<ScratchKeycodes::Binding> ScratchKeycodes::Bindings() const {
  std::vector<Binding> bindings;
  for (const Entry& entry : entries_) {
    if (entry.keysym != 0) bindings.push_back({entry.keycode, entry.keysym});
  }
  return bindings;
}

}  // namespace keyloom
