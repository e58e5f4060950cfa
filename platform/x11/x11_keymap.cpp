#include "platform/x11/x11_keymap.h"

#include <algorithm>

namespace keyloom {

X11Keymap::X11Keymap(Display* display) : display_(display) { Reload(); }

X11Keymap::~X11Keymap() {
  if (desc_ != nullptr) XkbFreeKeyboard(desc_, XkbAllComponentsMask, True);
}

void X11Keymap::Reload() {
  if (desc_ != nullptr) XkbFreeKeyboard(desc_, XkbAllComponentsMask, True);
  desc_ = XkbGetMap(display_, XkbAllClientInfoMask, XkbUseCoreKbd);
  if (desc_ != nullptr) {
    XkbGetNames(display_, XkbKeyNamesMask, desc_);
    min_keycode_ = desc_->min_key_code;
    max_keycode_ = desc_->max_key_code;
  }
}

KeySym X11Keymap::Symbol(int keycode, int group, int level) const {
  if (desc_ == nullptr || keycode < min_keycode_ || keycode > max_keycode_) return NoSymbol;
  const int groups = XkbKeyNumGroups(desc_, keycode);
  if (groups == 0 || level < 0) return NoSymbol;
  const int wrapped = group < 0 ? 0 : group % groups;
  if (level >= XkbKeyGroupWidth(desc_, keycode, wrapped)) return NoSymbol;
  return XkbKeySymEntry(desc_, keycode, level, wrapped);
}

int X11Keymap::LevelFor(int keycode, int group, unsigned int mods) const {
  const int groups = XkbKeyNumGroups(desc_, keycode);
  if (groups == 0) return 0;
  const XkbKeyTypePtr type = XkbKeyKeyType(desc_, keycode, group % groups);
  const unsigned int relevant = mods & type->mods.mask;
  for (int i = 0; i < type->map_count; ++i) {
    const XkbKTMapEntryRec& entry = type->map[i];
    if (entry.active && entry.mods.mask == relevant) return entry.level;
  }
  return 0;
}

std::optional<X11Keymap::Position> X11Keymap::Find(KeySym keysym, int group,
                                                   unsigned int locked_mods,
                                                   const std::function<bool(int)>& skip) const {
  if (desc_ == nullptr || keysym == NoSymbol) return std::nullopt;
  for (int keycode = min_keycode_; keycode <= max_keycode_; ++keycode) {
    if (skip(keycode)) continue;
    const int groups = XkbKeyNumGroups(desc_, keycode);
    if (groups == 0) continue;
    const int wrapped = group < 0 ? 0 : group % groups;
    for (const bool shift : {false, true}) {
      const unsigned int mods = locked_mods | (shift ? ShiftMask : 0);
      if (Symbol(keycode, wrapped, LevelFor(keycode, wrapped, mods)) == keysym) {
        return Position{keycode, shift};
      }
    }
  }
  return std::nullopt;
}

std::optional<int> X11Keymap::FindAtFirstLevel(KeySym keysym, int group,
                                               const std::function<bool(int)>& skip) const {
  if (desc_ == nullptr || keysym == NoSymbol) return std::nullopt;
  for (int keycode = min_keycode_; keycode <= max_keycode_; ++keycode) {
    if (!skip(keycode) && Symbol(keycode, group, 0) == keysym) return keycode;
  }
  return std::nullopt;
}

void X11Keymap::Bind(const std::vector<Binding>& bindings) {
  if (desc_ == nullptr || bindings.empty()) return;
  XkbMapChangesRec changes{};
  for (const Binding& binding : bindings) {
    int type = binding.lower != binding.upper ? XkbAlphabeticIndex : XkbTwoLevelIndex;
    if (XkbChangeTypesOfKey(desc_, binding.keycode, 1, XkbGroup1Mask, &type, &changes) != Success) {
      continue;
    }
    KeySym* syms = XkbResizeKeySyms(desc_, binding.keycode, 2);
    if (syms == nullptr) continue;
    syms[0] = binding.lower;
    syms[1] = binding.upper;
  }
  const auto [first, last] =
      std::minmax_element(bindings.begin(), bindings.end(),
                          [](const Binding& a, const Binding& b) { return a.keycode < b.keycode; });
  changes.changed |= XkbKeySymsMask;
  changes.first_key_sym = static_cast<KeyCode>(first->keycode);
  changes.num_key_syms = static_cast<unsigned char>(last->keycode - first->keycode + 1);
  XkbChangeMap(display_, desc_, &changes);
  RestateLocks();
}

void X11Keymap::Unbind(const std::vector<int>& keycodes) {
  for (const int keycode : keycodes) {
    KeySym none = NoSymbol;
    XChangeKeyboardMapping(display_, keycode, 1, &none, 1);
  }
  if (!keycodes.empty()) RestateLocks();
}

void X11Keymap::RestateLocks() {
  // Qt 5 forgets the locked modifiers when the map changes, until they change: with Caps Lock
  // left on, its next key would come without it.
  XkbStateRec state{};
  if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success || state.locked_mods == 0) return;
  XkbLockModifiers(display_, XkbUseCoreKbd, state.locked_mods, 0);
  XkbLockModifiers(display_, XkbUseCoreKbd, state.locked_mods, state.locked_mods);
}

std::string_view X11Keymap::KeyName(int keycode) const {
  if (desc_ == nullptr || desc_->names == nullptr || desc_->names->keys == nullptr ||
      keycode < min_keycode_ || keycode > max_keycode_) {
    return {};
  }
  const char* name = desc_->names->keys[keycode].name;
  std::size_t length = 0;
  while (length < XkbKeyNameLength && name[length] != '\0') ++length;
  return {name, length};
}

std::vector<int> X11Keymap::EmptyKeycodes() const {
  std::vector<int> empty;
  if (desc_ == nullptr) return empty;
  for (int keycode = min_keycode_; keycode <= max_keycode_; ++keycode) {
    const KeySym* syms = XkbKeySymsPtr(desc_, keycode);
    bool has_symbol = false;
    for (int i = 0; i < XkbKeyNumSyms(desc_, keycode); ++i) has_symbol |= syms[i] != NoSymbol;
    if (!has_symbol && desc_->map->modmap[keycode] == 0) empty.push_back(keycode);
  }
  return empty;
}

unsigned int X11Keymap::ModifiersOf(int keycode) const {
  if (desc_ == nullptr || keycode < min_keycode_ || keycode > max_keycode_) return 0;
  return desc_->map->modmap[keycode];
}

}  // namespace keyloom
