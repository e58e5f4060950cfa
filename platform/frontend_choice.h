#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// How a Linux program reaches the keyboard.
enum class Frontend {
  kX11,          // watches and types on the X11 display
  kInputMethod,  // through the Keyloom input method engine of IBus
  kNone,         // neither can work here
};

struct FrontendSituation {
  bool wayland_session = false;       // the desktop is a Wayland session
  bool x11_display = false;           // an X11 display accepts connections
  bool input_method_running = false;  // IBus runs
  bool input_method_chosen = false;   // the user chose the input method in the settings
};

// X11 in an X11 session, unless the user chose the input method and IBus runs; the input
// method in a Wayland session, where X11 reaches only the few windows under Xwayland.
Frontend ChooseFrontend(const FrontendSituation& situation);

// Why neither frontend works, and how to make the input method work.
std::string NoFrontendReason(const FrontendSituation& situation, std::string_view program_name);

// What a program through the input method tells the user while the Keyloom input source is not
// in use, so that no key reaches it.
std::string InputSourceNotChosenNotice(std::string_view program_name);

}  // namespace keyloom
