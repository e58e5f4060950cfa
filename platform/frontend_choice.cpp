#include "platform/frontend_choice.h"

namespace keyloom {

Frontend ChooseFrontend(const FrontendSituation& situation) {
  if ((situation.wayland_session || situation.input_method_chosen) &&
      situation.input_method_running) {
    return Frontend::kInputMethod;
  }
  if (!situation.wayland_session && situation.x11_display) return Frontend::kX11;
  return Frontend::kNone;
}

namespace {

constexpr std::string_view kWhereToAddTheInputSource =
    "on GNOME in Settings > Keyboard > Input Sources > + > Other; on KDE Plasma choose IBus "
    "Wayland in System Settings > Keyboard > Virtual Keyboard, then add Keyloom with ibus-setup.";

}  // namespace

std::string NoFrontendReason(const FrontendSituation& situation, std::string_view program_name) {
  const std::string how =
      "Add the input source \"Keyloom\": " + std::string(kWhereToAddTheInputSource) +
      " Then start " + std::string(program_name) + " again.";
  if (situation.wayland_session) {
    return "In a Wayland session it works through the input method IBus, which is not "
           "running. " +
           how;
  }
  return "There is no X11 display to watch the keyboard on, and the input method IBus is not "
         "running. " +
         how;
}

std::string InputSourceNotChosenNotice(std::string_view program_name) {
  return std::string(program_name) +
         " is running, but no typing reaches it while the input source \"Keyloom\" is not in "
         "use. Switch to it (on GNOME with Super+Space), or add it first: " +
         std::string(kWhereToAddTheInputSource);
}

}  // namespace keyloom
