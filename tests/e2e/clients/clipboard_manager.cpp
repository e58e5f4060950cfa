// A clipboard manager as desktops have them: whenever CLIPBOARD gets a new owner, it reads the
// new content's text and adds it to its history (HISTORY_FILE, an entry a line, the same text
// twice in a row kept once), unless the content is marked as a moment's secret
// ("x-kde-passwordManagerHint" = "secret"), which Klipper and CopyQ leave out. Prints
// "watching" once it watches.
// Usage: clipboard_manager HISTORY_FILE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace {

Display* display;
Window window;
Atom clipboard;
Atom property;

// The owner's answer for TARGET about the content it took ownership with at `time` (an owner
// that has changed since refuses); nullopt when it refuses or does not answer within a second.
std::optional<std::string> Read(Atom target, Time time) {
  XConvertSelection(display, clipboard, target, property, window, time);
  XFlush(display);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  XEvent event;
  while (!XCheckTypedWindowEvent(display, window, SelectionNotify, &event)) {
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    pollfd socket{ConnectionNumber(display), POLLIN, 0};
    poll(&socket, 1, 10);
  }
  if (event.xselection.property == None) return std::nullopt;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* bytes = nullptr;
  XGetWindowProperty(display, window, property, 0, 1 << 20, True, AnyPropertyType, &type, &format,
                     &items, &after, &bytes);
  std::string data;
  if (bytes != nullptr) {
    const std::size_t unit = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
    data.assign(reinterpret_cast<const char*>(bytes), items * unit);
    XFree(bytes);
  }
  return data;
}

bool MarkedSecret(Time time) {
  const Atom hint = XInternAtom(display, "x-kde-passwordManagerHint", False);
  const std::optional<std::string> targets = Read(XInternAtom(display, "TARGETS", False), time);
  if (!targets) return false;
  const auto* atoms = reinterpret_cast<const long*>(targets->data());
  for (std::size_t i = 0; i < targets->size() / sizeof(long); ++i) {
    if (static_cast<Atom>(atoms[i]) == hint) return Read(hint, time) == std::string("secret");
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  display = XOpenDisplay(nullptr);
  int event_base = 0, error_base = 0;
  if (display == nullptr || argc != 2 || !XFixesQueryExtension(display, &event_base, &error_base)) {
    return 2;
  }
  window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  clipboard = XInternAtom(display, "CLIPBOARD", False);
  property = XInternAtom(display, "MANAGER_TRANSFER", False);
  XFixesSelectSelectionInput(display, DefaultRootWindow(display), clipboard,
                             XFixesSetSelectionOwnerNotifyMask);
  XSync(display, False);
  std::printf("watching\n");
  std::fflush(stdout);
  std::string last;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != event_base + XFixesSelectionNotify) continue;
    const auto& notify = reinterpret_cast<const XFixesSelectionNotifyEvent&>(event);
    // Every read names the ownership this event tells of, as real managers do: content that has
    // changed since is refused rather than read under the old content's marks.
    const Time time = notify.selection_timestamp;
    if (notify.owner == None || MarkedSecret(time)) continue;
    const std::optional<std::string> text = Read(XInternAtom(display, "UTF8_STRING", False), time);
    if (!text || *text == last) continue;
    last = *text;
    std::ofstream(argv[1], std::ios::app) << last << '\n';
  }
}
