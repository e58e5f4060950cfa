// The end-to-end benchmark's witness on the X server: logs every key press that the server
// processes and every top-level window that it maps, timed in microseconds of the monotonic
// clock that the sink's log uses too.
//
//   e2e_x_event_log LOG_FILE
//
// Lines: "<us> key <keysym name>" and "<us> map <window> <override redirect 0|1> <width> <height>".
// "ready" is the first line once the server reports both kinds of event.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <array>
#include <chrono>
#include <cstdio>

namespace {

long long MonotonicMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s LOG_FILE\n", argv[0]);
    return 2;
  }
  std::FILE* log = std::fopen(argv[1], "w");
  Display* display = XOpenDisplay(nullptr);
  int xi_opcode = 0, event_base = 0, error_base = 0;
  if (log == nullptr || display == nullptr ||
      !XQueryExtension(display, "XInputExtension", &xi_opcode, &event_base, &error_base)) {
    std::fprintf(stderr, "%s: no log file, X display or XInput\n", argv[0]);
    return 1;
  }
  // A window gone before its size is asked for is no failure of the log.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const Window root = DefaultRootWindow(display);
  std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
  XISetMask(bits.data(), XI_RawKeyPress);
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(bits.size()), bits.data()};
  XISelectEvents(display, root, &mask, 1);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);
  std::fprintf(log, "ready\n");
  std::fflush(log);

  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    const long long now = MonotonicMicroseconds();
    if (event.type == GenericEvent && event.xcookie.extension == xi_opcode &&
        XGetEventData(display, &event.xcookie)) {
      if (event.xcookie.evtype == XI_RawKeyPress) {
        const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
        const KeySym keysym =
            XkbKeycodeToKeysym(display, static_cast<KeyCode>(raw->detail), 0, 0);
        const char* name = XKeysymToString(keysym);
        std::fprintf(log, "%lld key %s\n", now, name != nullptr ? name : "?");
      }
      XFreeEventData(display, &event.xcookie);
    } else if (event.type == MapNotify) {
      XWindowAttributes attributes{};
      XGetWindowAttributes(display, event.xmap.window, &attributes);
      std::fprintf(log, "%lld map %lu %d %d %d\n", now, event.xmap.window,
                   event.xmap.override_redirect, attributes.width, attributes.height);
    } else {
      continue;
    }
    std::fflush(log);
  }
}
