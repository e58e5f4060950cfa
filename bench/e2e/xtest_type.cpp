// The end-to-end benchmark's typist. With --every 0 it types its text through XTest in one
// batch, as fast as the X server takes it, so that the time a program's own typing takes can
// be told from the time the X server and the receiving window need for the same keys. With
// --every MS it presses one key every MS milliseconds, as a fast typist would, on a fixed
// schedule (xdotool's delays add its own latency to each key).
//
//   e2e_xtest_type --every MS TEXT
//
// TEXT is printable ASCII; "\b" stands for Backspace. Returns once the server has processed
// every key.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

namespace {

void Tap(Display* display, KeyCode keycode, bool shift) {
  const KeyCode shift_keycode = XKeysymToKeycode(display, XK_Shift_L);
  if (shift) XTestFakeKeyEvent(display, shift_keycode, True, 0);
  XTestFakeKeyEvent(display, keycode, True, 0);
  XTestFakeKeyEvent(display, keycode, False, 0);
  if (shift) XTestFakeKeyEvent(display, shift_keycode, False, 0);
}

}  // namespace

int main(int argc, char** argv) {
  Display* display =
      argc == 4 && std::strcmp(argv[1], "--every") == 0 ? XOpenDisplay(nullptr) : nullptr;
  if (display == nullptr) {
    std::fprintf(stderr, "usage: %s --every MS TEXT (with an X display)\n", argv[0]);
    return 2;
  }
  const std::chrono::milliseconds every(std::atoi(argv[2]));
  const std::string_view text = argv[3];
  const auto start = std::chrono::steady_clock::now();
  int keys = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    KeyCode keycode = 0;
    bool shift = false;
    if (text.substr(i, 2) == "\\b") {
      keycode = XKeysymToKeycode(display, XK_BackSpace);
      ++i;
    } else if (text[i] == '\n') {
      keycode = XKeysymToKeycode(display, XK_Return);
    } else {
      // Latin-1 keysyms are the ASCII codes; the second level of a key needs Shift.
      const KeySym keysym = static_cast<unsigned char>(text[i]);
      keycode = XKeysymToKeycode(display, keysym);
      if (keycode == 0) {
        std::fprintf(stderr, "%s: no key gives '%c'\n", argv[0], text[i]);
        return 1;
      }
      shift = XkbKeycodeToKeysym(display, keycode, 0, 0) != keysym;
    }
    if (every.count() > 0) std::this_thread::sleep_until(start + keys++ * every);
    Tap(display, keycode, shift);
    if (every.count() > 0) XFlush(display);
  }
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
