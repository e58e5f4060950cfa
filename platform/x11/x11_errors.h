#pragma once

#include <X11/Xlib.h>

#include <memory>

namespace keyloom {

// A connection of the backend's own; its errors never end the program, trapped or not.
struct X11DisplayCloser {
  void operator()(Display* display) const;
};
using X11DisplayPtr = std::unique_ptr<Display, X11DisplayCloser>;

// Connects to the display that DISPLAY names; null when that fails.
X11DisplayPtr OpenX11Display();

// Collects the X errors of the requests one connection makes within its lifetime, instead of
// letting Xlib's default handler end the program. Traps may nest: an inner one keeps its errors
// from the outer one. Errors of other connections (Qt's own) go to the handler installed before.
class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

  // Waits for the server to process the requests so far; the number of them that failed.
  int Sync();
  // Whether the request with this serial failed; valid after Sync.
  bool Failed(unsigned long serial) const;

 private:
  Display* display_;
  unsigned long first_serial_;
};

}  // namespace keyloom
