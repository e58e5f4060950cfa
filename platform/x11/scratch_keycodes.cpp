#include "platform/x11/scratch_keycodes.h"

#include <algorithm>

namespace keyloom {

void ScratchKeycodes::SetSpareKeycodes(const std::vector<int>& keycodes) {
  std::vector<Entry> entries;
  for (const int keycode : keycodes) {
    const auto old = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.keycode == keycode; });
    entries.push_back(old != entries_.end() ? *old : Entry{keycode});
  }
  entries_ = std::move(entries);
}

void ScratchKeycodes::BeginRound() { ++round_; }

ScratchKeycodes::Entry* ScratchKeycodes::FindEntry(unsigned long keysym) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.keysym == keysym; });
  return found == entries_.end() ? nullptr : &*found;
}

std::optional<int> ScratchKeycodes::Find(unsigned long keysym) {
  Entry* entry = keysym == 0 ? nullptr : FindEntry(keysym);
  if (entry == nullptr) return std::nullopt;
  entry->last_used = ++clock_;
  entry->round = round_;
  return entry->keycode;
}

std::optional<ScratchKeycodes::Slot> ScratchKeycodes::Assign(unsigned long keysym) {
  if (const std::optional<int> bound = Find(keysym)) return Slot{*bound, false};
  Entry* best = nullptr;
  for (Entry& entry : entries_) {
    if (entry.round == round_) continue;
    // An unbound keycode first, then the one used longest ago.
    const auto rank = [](const Entry& e) { return e.keysym == 0 ? 0 : e.last_used + 1; };
    if (best == nullptr || rank(entry) < rank(*best)) best = &entry;
  }
  if (best == nullptr) return std::nullopt;
  best->keysym = keysym;
  best->last_used = ++clock_;
  best->round = round_;
  return Slot{best->keycode, true};
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
