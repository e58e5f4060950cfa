// A program that copies several formats at once, as an image viewer or a browser does: owns
// CLIPBOARD and offers each TARGET with the bytes of its FILE, large ones incrementally, until
// another client takes the clipboard over. Prints "owned" once it owns it. A FILE of "-" makes
// a target that is listed but refused; with --vanish the program ends as soon as it has listed
// its targets, as an owner that quits while the clipboard is being read.
// Usage: clipboard_owner [--vanish] TARGET FILE [TARGET FILE]...
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <string>

constexpr int kMaxTargets = 16;
constexpr long kChunk = 64 * 1024;

struct Offer {
  Atom target;
  unsigned char* data;
  long size;
};

struct Transfer {
  Window requestor;
  Atom property;
  Atom type;
  const Offer* offer;
  long sent;
};

static unsigned char* ReadFile(const char* path, long* size) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return nullptr;
  std::fseek(file, 0, SEEK_END);
  *size = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  auto* data = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(*size) + 1));
  if (data != nullptr &&
      std::fread(data, 1, static_cast<size_t>(*size), file) != static_cast<size_t>(*size)) {
    *size = 0;
  }
  std::fclose(file);
  return data;
}

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  const bool vanish = argc > 1 && std::string(argv[1]) == "--vanish";
  if (vanish) {
    --argc;
    ++argv;
  }
  if (display == nullptr || argc < 3 || (argc - 1) % 2 != 0) return 2;
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  const Atom targets = XInternAtom(display, "TARGETS", False);
  const Atom incr = XInternAtom(display, "INCR", False);
  Offer offers[kMaxTargets];
  int count = 0;
  for (int i = 1; i + 1 < argc && count < kMaxTargets; i += 2, ++count) {
    offers[count].target = XInternAtom(display, argv[i], False);
    offers[count].size = -1;
    offers[count].data = nullptr;
    if (std::string(argv[i + 1]) == "-") continue;
    offers[count].data = ReadFile(argv[i + 1], &offers[count].size);
    if (offers[count].data == nullptr) return 2;
  }
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  // A property change tells the server time, which owning the selection asks for.
  XSelectInput(display, window, PropertyChangeMask);
  XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>("clipboard owner"), 15);
  XEvent event;
  do {
    XNextEvent(display, &event);
  } while (event.type != PropertyNotify);
  XSetSelectionOwner(display, clipboard, window, event.xproperty.time);
  if (XGetSelectionOwner(display, clipboard) != window) return 1;
  std::printf("owned\n");
  std::fflush(stdout);

  Transfer transfers[kMaxTargets];
  int transferring = 0;
  for (;;) {
    XNextEvent(display, &event);
    if (event.type == SelectionClear) return 0;
    if (event.type == PropertyNotify && event.xproperty.state == PropertyDelete) {
      for (int t = 0; t < transferring; ++t) {
        Transfer* transfer = &transfers[t];
        if (transfer->requestor != event.xproperty.window ||
            transfer->property != event.xproperty.atom) {
          continue;
        }
        long left = transfer->offer->size - transfer->sent;
        long size = left < kChunk ? left : kChunk;
        XChangeProperty(display, transfer->requestor, transfer->property, transfer->type, 8,
                        PropModeReplace, transfer->offer->data + transfer->sent,
                        static_cast<int>(size));
        transfer->sent += size;
        if (size == 0) transfers[t] = transfers[--transferring];
        XFlush(display);
        break;
      }
      continue;
    }
    if (event.type != SelectionRequest) continue;
    XSelectionRequestEvent* request = &event.xselectionrequest;
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = request->requestor;
    reply.selection = request->selection;
    reply.target = request->target;
    reply.time = request->time;
    reply.property = None;
    Atom property = request->property != None ? request->property : request->target;
    if (request->target == targets) {
      Atom list[kMaxTargets + 1];
      list[0] = targets;
      for (int i = 0; i < count; ++i) list[i + 1] = offers[i].target;
      XChangeProperty(display, request->requestor, property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(list), count + 1);
      reply.property = property;
    }
    for (int i = 0; i < count; ++i) {
      if (request->target != offers[i].target || offers[i].size < 0) continue;
      if (offers[i].size > kChunk && transferring < kMaxTargets) {
        XSelectInput(display, request->requestor, PropertyChangeMask);
        XChangeProperty(display, request->requestor, property, incr, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&offers[i].size), 1);
        transfers[transferring++] = {request->requestor, property, offers[i].target, &offers[i], 0};
      } else {
        XChangeProperty(display, request->requestor, property, offers[i].target, 8, PropModeReplace,
                        offers[i].data, static_cast<int>(offers[i].size));
      }
      reply.property = property;
    }
    XSendEvent(display, request->requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
    if (vanish && request->target == targets) return 0;
  }
}
