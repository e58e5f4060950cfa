#include "completion/completion_options.h"

#include <algorithm>

#include "platform/key_event.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

constexpr std::string_view kPickWithAlt = "Alt";
constexpr std::string_view kPickWithCtrl = "Ctrl";

void CheckPickItems(Window& window, bool alt) {
  window.SetMenuChecked(kPickWithCtrlItem, !alt);
  window.SetMenuChecked(kPickWithAltItem, alt);
}

}  // namespace

void LoadCompletionOptions(SettingsStore& settings, Window& window) {
  for (const CompletionOption& option : kCompletionOptions) {
    const std::string_view missing = option.on_by_default ? "1" : "0";
    window.SetMenuChecked(option.item,
                          ReadSetting(settings, kOptionsSection, option.item, missing) == "1");
  }
  CheckPickItems(window, ReadSetting(settings, kOptionsSection, kPickKeysSetting, kPickWithCtrl) ==
                             kPickWithAlt);
}

bool ToggleCompletionOption(std::string_view id, SettingsStore& settings, Window& window) {
  if (id == kPickWithCtrlItem || id == kPickWithAltItem) {
    const bool alt = id == kPickWithAltItem;
    CheckPickItems(window, alt);
    WriteSetting(settings, kOptionsSection, kPickKeysSetting, alt ? kPickWithAlt : kPickWithCtrl);
    return true;
  }
  const bool known = std::any_of(kCompletionOptions.begin(), kCompletionOptions.end(),
                                 [&](const CompletionOption& option) { return option.item == id; });
  if (!known) return false;
  const bool on = !window.MenuChecked(id);
  window.SetMenuChecked(id, on);
  WriteSetting(settings, kOptionsSection, id, on ? "1" : "0");
  return true;
}

int PickModifiers(const Window& window) {
  return window.MenuChecked(kPickWithAltItem) ? kAltMask : kCtrlMask;
}

}  // namespace keyloom
