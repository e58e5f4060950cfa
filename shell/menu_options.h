#pragma once

#include <span>
#include <string_view>

#include "shell/settings_store.h"
#include "shell/window.h"

namespace keyloom {

// A program's option that is a checked item of its Options menu, kept in the settings store's
// Options section as "1" or "0" under the item's name.
struct MenuOption {
  std::string_view item;
  bool on_by_default = false;
};

// The stored options into their menu items.
void LoadMenuOptions(std::span<const MenuOption> options, SettingsStore& settings, Window& window);
// Flips the option `id` and stores the choice; false when `id` is none of `options`.
bool ToggleMenuOption(std::span<const MenuOption> options, std::string_view id,
                      SettingsStore& settings, Window& window);

}  // namespace keyloom
