#include "completion/completion_options.h"

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
  LoadMenuOptions(kCompletionOptions, settings, window);
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
  return ToggleMenuOption(kCompletionOptions, id, settings, window);
}

int PickModifiers(const Window& window) {
  return window.MenuChecked(kPickWithAltItem) ? kAltMask : kCtrlMask;
}

}  // namespace keyloom
