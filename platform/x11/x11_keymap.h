#pragma once

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace keyloom {

// A snapshot of the X keyboard map (XKB client map): which keysym each keycode gives in each
// group and level, and which modifiers reach a level. Reload it when the map changes.
class X11Keymap {
 public:
  explicit X11Keymap(Display* display);
  ~X11Keymap();
  X11Keymap(const X11Keymap&) = delete;
  X11Keymap& operator=(const X11Keymap&) = delete;

  void Reload();

  int min_keycode() const { return min_keycode_; }
  int max_keycode() const { return max_keycode_; }

  // The keysym of `keycode` at `level` in `group` (wrapped into the key's groups); NoSymbol
  // when the key has no such level.
  KeySym Symbol(int keycode, int group, int level) const;
  // The keysym of `keycode` in `group` while the modifiers `mods` are down.
  KeySym SymbolFor(int keycode, int group, unsigned int mods) const {
    return Symbol(keycode, group, LevelFor(keycode, group, mods));
  }

  // Where a keysym sits: the keycode, and whether Shift must be held to reach it while the
  // locked modifiers (Caps Lock, Num Lock) are `locked_mods`.
  struct Position {
    int keycode = 0;
    bool shift = false;
  };
  // Looks in `group`, at the levels that no modifier or Shift alone reaches; skips keycodes for
  // which `skip` says so.
  std::optional<Position> Find(KeySym keysym, int group, unsigned int locked_mods,
                               const std::function<bool(int)>& skip) const;

  // The key's XKB name ("AE01", "AC01"): where it sits on the keyboard. Empty when unknown.
  std::string_view KeyName(int keycode) const;

  // The key of `group` whose first level (no modifier at all) gives `keysym`: the key of a
  // shortcut, which applications match by that level.
  std::optional<int> FindAtFirstLevel(KeySym keysym, int group,
                                      const std::function<bool(int)>& skip) const;

  // Binds each keycode to a character: a letter and its other case on the two levels of an
  // alphabetic key (so Caps Lock works as on any letter key), anything else on both levels of a
  // two-level key. One request for all of them: clients that refresh their copy of the map
  // when told of a change (Xlib, which xterm and Tk use) then see all of them at once.
  struct Binding {
    int keycode;
    KeySym lower;
    KeySym upper;
  };
  void Bind(const std::vector<Binding>& bindings);
  // The keycodes give no symbol again.
  void Unbind(const std::vector<int>& keycodes);

  // Keycodes that give no keysym at all.
  std::vector<int> EmptyKeycodes() const;
  // The real modifiers that a key sets (its modifier map entry).
  unsigned int ModifiersOf(int keycode) const;

 private:
  int LevelFor(int keycode, int group, unsigned int mods) const;
  // Locks the locked modifiers again, so that every client hears of them.
  void RestateLocks();

  Display* display_;
  XkbDescPtr desc_ = nullptr;
  int min_keycode_ = 8;
  int max_keycode_ = 255;
};

}  // namespace keyloom
