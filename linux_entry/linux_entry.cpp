#include "linux_entry/linux_entry.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/frontend_choice.h"
#include "platform/ibus/ibus_platform.h"
#include "platform/x11/x11_platform.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/qt/startup_error.h"

namespace keyloom {
namespace {

bool EnvironmentHas(const char* name, std::string_view value = {}) {
  const char* set = std::getenv(name);
  if (set == nullptr || *set == '\0') return false;
  return value.empty() || value == set;
}

FrontendSituation CurrentSituation() {
  FrontendSituation situation;
  situation.wayland_session =
      EnvironmentHas("XDG_SESSION_TYPE", "wayland") || EnvironmentHas("WAYLAND_DISPLAY");
  situation.x11_display = CanOpenX11Display();
  QtSettingsStore settings(DefaultSettingsPath());
  situation.input_method_chosen = settings.Read("Options", "UseInputMethod") == "1";
  if (situation.wayland_session || situation.input_method_chosen || !situation.x11_display) {
    situation.input_method_running = InputMethodRunning();
  }
  return situation;
}

}  // namespace

int RunLinuxProgram(std::string_view program_name, char* argv0, const ProgramBody& body) {
  const FrontendSituation situation = CurrentSituation();
  std::unique_ptr<Platform> platform;
  std::string error;
  bool can_show_window = true;
  switch (ChooseFrontend(situation)) {
    case Frontend::kInputMethod:
      platform = CreateIbusPlatform(error);
      break;
    case Frontend::kX11:
      platform = CreateX11Platform(error);
      // The keyboard is watched on X11, so the windows must be X11 windows too.
      if (platform) setenv("QT_QPA_PLATFORM", "xcb", 1);
      break;
    case Frontend::kNone:
      error = NoFrontendReason(situation, program_name);
      can_show_window = situation.wayland_session || situation.x11_display;
      break;
  }
  if (!platform) {
    ShowStartupError(program_name, error, can_show_window);
    return 1;
  }
  return RunQtProgram(program_name, argv0, std::move(platform), body);
}

}  // namespace keyloom
