#include "shell/menu_options.h"

#include <algorithm>

#include "shell/settings.h"

namespace keyloom {

void LoadMenuOptions(std::span<const MenuOption> options, SettingsStore& settings, Window& window) {
  for (const MenuOption& option : options) {
    const std::string_view missing = option.on_by_default ? "1" : "0";
    window.SetMenuChecked(option.item,
                          ReadSetting(settings, kOptionsSection, option.item, missing) == "1");
  }
}

bool ToggleMenuOption(std::span<const MenuOption> options, std::string_view id,
                      SettingsStore& settings, Window& window) {
  const bool known = std::any_of(options.begin(), options.end(),
                                 [&](const MenuOption& option) { return option.item == id; });
  if (!known) return false;
  const bool on = !window.MenuChecked(id);
  window.SetMenuChecked(id, on);
  WriteSetting(settings, kOptionsSection, id, on ? "1" : "0");
  return true;
}

}  // namespace keyloom
