#include "platform/x11/client_fence.h"

#include <poll.h>

#include <algorithm>

namespace keyloom {
namespace {

constexpr int kMaxAncestors = 16;

}  // namespace

ClientFence::ClientFence(Display* display, std::function<void(const XEvent&)> other_events)
    : display_(display),
      other_events_(std::move(other_events)),
      wm_protocols_(XInternAtom(display, "WM_PROTOCOLS", False)),
      net_wm_ping_(XInternAtom(display, "_NET_WM_PING", False)) {}

::Window ClientFence::PingableFocus() {
  ::Window window = None;
  int revert = 0;
  XGetInputFocus(display_, &window, &revert);
  for (int depth = 0; depth < kMaxAncestors && window != None && window != PointerRoot; ++depth) {
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display_, window, &protocols, &count) != 0) {
      const bool pings = std::find(protocols, protocols + count, net_wm_ping_) != protocols + count;
      XFree(protocols);
      if (pings) return window;
    }
    ::Window root = None, parent = None, *children = nullptr;
    unsigned int child_count = 0;
    if (XQueryTree(display_, window, &root, &parent, &children, &child_count) == 0) break;
    if (children != nullptr) XFree(children);
    if (parent == root) break;
    window = parent;
  }
  return None;
}

bool ClientFence::Await(std::chrono::milliseconds timeout) {
  const ::Window target = PingableFocus();
  if (target == None) return false;
  const ::Window root = DefaultRootWindow(display_);
  // The answer is sent to the root window, for clients that select substructure events there
  // (or structure events, as Qt sends it).
  XSelectInput(display_, root, StructureNotifyMask | SubstructureNotifyMask);
  XEvent ping{};
  ping.xclient.type = ClientMessage;
  ping.xclient.window = target;
  ping.xclient.message_type = wm_protocols_;
  ping.xclient.format = 32;
  ping.xclient.data.l[0] = static_cast<long>(net_wm_ping_);
  ping.xclient.data.l[1] = ++stamp_;
  ping.xclient.data.l[2] = static_cast<long>(target);
  XSendEvent(display_, target, False, NoEventMask, &ping);
  XFlush(display_);

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  bool answered = false;
  while (!answered) {
    while (!answered && XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      answered = event.type == ClientMessage && event.xclient.message_type == wm_protocols_ &&
                 event.xclient.data.l[0] == static_cast<long>(net_wm_ping_) &&
                 event.xclient.data.l[1] == stamp_;
      if (!answered) other_events_(event);
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (answered || left <= 0) break;
    pollfd socket{ConnectionNumber(display_), POLLIN, 0};
    poll(&socket, 1, static_cast<int>(left));
  }
  XSelectInput(display_, root, NoEventMask);
  return answered;
}

}  // namespace keyloom
