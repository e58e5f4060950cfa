#include "platform/x11/x11_errors.h"

#include <algorithm>
#include <vector>

namespace keyloom {
namespace {

struct TrappedError {
  Display* display;
  unsigned long serial;
};

// Xlib has one error handler per process; these are its records while any trap is active.
std::vector<TrappedError>& Errors() {
  static std::vector<TrappedError> errors;
  return errors;
}
std::vector<Display*>& OwnDisplays() {
  static std::vector<Display*> displays;
  return displays;
}
int active_traps = 0;
XErrorHandler previous_handler = nullptr;

int TrapHandler(Display* display, XErrorEvent* error) {
  const auto& own = OwnDisplays();
  if (std::find(own.begin(), own.end(), display) == own.end()) {
    return previous_handler != nullptr ? previous_handler(display, error) : 0;
  }
  if (active_traps > 0) Errors().push_back({display, error->serial});
  return 0;
}

void InstallHandler() {
  // Qt installs its own handler when it connects; ours goes on top and hands on the rest.
  const XErrorHandler old = XSetErrorHandler(TrapHandler);
  if (old != TrapHandler) previous_handler = old;
}

}  // namespace

void X11DisplayCloser::operator()(Display* display) const {
  std::erase(OwnDisplays(), display);
  XCloseDisplay(display);
}

X11DisplayPtr OpenX11Display() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return nullptr;
  OwnDisplays().push_back(display);
  InstallHandler();
  return X11DisplayPtr(display);
}

X11ErrorTrap::X11ErrorTrap(Display* display)
    : display_(display), first_serial_(NextRequest(display)) {
  InstallHandler();
  ++active_traps;
}

X11ErrorTrap::~X11ErrorTrap() {
  XSync(display_, False);
  --active_traps;
  // Only this trap's own: an enclosing trap still counts those before it.
  std::erase_if(Errors(), [&](const TrappedError& e) {
    return e.display == display_ && e.serial >= first_serial_;
  });
}

int X11ErrorTrap::Sync() {
  XSync(display_, False);
  return static_cast<int>(std::count_if(Errors().begin(), Errors().end(), [&](const auto& e) {
    return e.display == display_ && e.serial >= first_serial_;
  }));
}

bool X11ErrorTrap::Failed(unsigned long serial) const {
  return std::any_of(Errors().begin(), Errors().end(), [&](const TrappedError& e) {
    return e.display == display_ && e.serial == serial;
  });
}

}  // namespace keyloom
