#include "completion/completion_options.h"

#include <algorithm>

#include "shell/settings.h"

namespace keyloom {

void LoadCompletionOptions(SettingsStore& settings, Window& window) {
  for (std::string_view item : kCompletionOptionItems) {
    window.SetMenuChecked(item, ReadSetting(settings, kOptionsSection, item, "0") == "1");
  }
}

bool ToggleCompletionOption(std::string_view id, SettingsStore& settings, Window& window) {
  if (std::find(kCompletionOptionItems.begin(), kCompletionOptionItems.end(), id) ==
      kCompletionOptionItems.end()) {
    return false;
  }
  const bool on = !window.MenuChecked(id);
  window.SetMenuChecked(id, on);
  WriteSetting(settings, kOptionsSection, id, on ? "1" : "0");
  return true;
}

}  // namespace keyloom
