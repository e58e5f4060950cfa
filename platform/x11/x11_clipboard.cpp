#include "platform/x11/x11_clipboard.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <poll.h>

#include <algorithm>
#include <cstring>

#include "platform/x11/latin1_text.h"
#include "platform/x11/x11_errors.h"

namespace keyloom {
namespace {

// Larger answers go in pieces of this size (INCR), as the conventions ask of data that may
// not fit one request.
constexpr std::size_t kIncrementalChunk = 256 * 1024;

// The part of a resource id that names the client that created it.
XID ClientOf(Display* display, XID resource) {
  return resource & ~static_cast<XID>(xcb_get_setup(XGetXCBConnection(display))->resource_id_mask);
}

}  // namespace

struct X11Clipboard::OutgoingTransfer {
  ::Window requestor;
  Atom property;
  Atom type;
  std::string data;
  std::size_t sent = 0;
};

X11Clipboard::X11Clipboard(Display* display,
                           std::function<std::optional<std::string>()> own_windows_text)
    : display_(display),
      window_(XCreateSimpleWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, 0, 0)),
      atoms_(SelectionAtoms::Intern(display)),
      own_windows_text_(std::move(own_windows_text)) {
  XSelectInput(display_, window_, PropertyChangeMask);
  XFlush(display_);
}

X11Clipboard::~X11Clipboard() {
  events_.reset();
  XDestroyWindow(display_, window_);
  XFlush(display_);
}

void X11Clipboard::Drain() {
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    HandleEvent(event);
  }
}

bool X11Clipboard::WaitFor(const std::function<bool()>& done, Clock::duration timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    Drain();
    if (done()) return true;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd socket{ConnectionNumber(display_), POLLIN, 0};
    poll(&socket, 1, static_cast<int>(std::min<long long>(left, 50)));
  }
}

void X11Clipboard::HandleEvent(const XEvent& event) {
  switch (event.type) {
    case SelectionRequest:
      Serve(event.xselectionrequest);
      break;
    case SelectionClear:
      if (event.xselectionclear.selection == atoms_.clipboard) offered_.reset();
      break;
    case SelectionNotify:
      if (event.xselection.requestor == window_) conversion_ = event.xselection;
      break;
    case PropertyNotify:
      if (event.xproperty.window == window_) {
        if (event.xproperty.atom == atoms_.timestamp) property_time_ = event.xproperty.time;
        if (event.xproperty.atom == atoms_.transfer && event.xproperty.state == PropertyNewValue) {
          property_arrived_ = true;
        }
      } else if (event.xproperty.state == PropertyDelete) {
        ContinueTransfer(event.xproperty);
      }
      break;
    default:
      break;
  }
}

void X11Clipboard::Serve(const XSelectionRequestEvent& request) {
  // Clients from before the conventions name no property: the target stands for it.
  const Atom property = request.property != None ? request.property : request.target;
  X11ErrorTrap trap(display_);  // the requestor may be gone already
  const bool answered = request.selection == atoms_.clipboard && offered_ &&
                        (request.time == CurrentTime || request.time >= owned_since_) &&
                        Answer(request, property);
  XSelectionEvent notify{};
  notify.type = SelectionNotify;
  notify.display = display_;
  notify.requestor = request.requestor;
  notify.selection = request.selection;
  notify.target = request.target;
  notify.property = answered ? property : None;
  notify.time = request.time;
  XSendEvent(display_, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&notify));
  XFlush(display_);
}

bool X11Clipboard::Answer(const XSelectionRequestEvent& request, Atom property) {
  const Atom target = request.target;
  if (target == atoms_.targets) {
    const Atom targets[] = {atoms_.targets,         atoms_.timestamp, atoms_.utf8_string,
                            atoms_.text_plain_utf8, atoms_.text,      XA_STRING,
                            atoms_.text_plain};
    XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(targets), std::size(targets));
    return true;
  }
  if (target == atoms_.timestamp) {
    const long time = static_cast<long>(owned_since_);
    XChangeProperty(display_, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&time), 1);
    return true;
  }
  std::string data;
  Atom type = target;
  if (target == atoms_.utf8_string || target == atoms_.text_plain_utf8 || target == atoms_.text) {
    data = *offered_;
    if (target == atoms_.text) type = atoms_.utf8_string;
  } else if (target == XA_STRING || target == atoms_.text_plain) {
    std::optional<std::string> latin1 = Utf8ToLatin1(*offered_);
    if (!latin1) return false;
    data = std::move(*latin1);
  } else {
    return false;
  }
  if (data.size() > kIncrementalChunk) {
    XSelectInput(display_, request.requestor, PropertyChangeMask);
    const long size = static_cast<long>(data.size());
    XChangeProperty(display_, request.requestor, property, atoms_.incr, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&size), 1);
    transfers_.push_back(std::make_unique<OutgoingTransfer>(
        OutgoingTransfer{request.requestor, property, type, std::move(data)}));
    return true;
  }
  XChangeProperty(display_, request.requestor, property, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()),
                  static_cast<int>(data.size()));
  Fetched(request.requestor);
  return true;
}

void X11Clipboard::ContinueTransfer(const XPropertyEvent& event) {
  const auto it = std::find_if(transfers_.begin(), transfers_.end(), [&](const auto& transfer) {
    return transfer->requestor == event.window && transfer->property == event.atom;
  });
  if (it == transfers_.end()) return;
  OutgoingTransfer& transfer = **it;
  X11ErrorTrap trap(display_);
  const std::size_t size = std::min(kIncrementalChunk, transfer.data.size() - transfer.sent);
  // The piece of length zero ends the transfer.
  XChangeProperty(display_, transfer.requestor, transfer.property, transfer.type, 8,
                  PropModeReplace,
                  reinterpret_cast<const unsigned char*>(transfer.data.data() + transfer.sent),
                  static_cast<int>(size));
  XFlush(display_);
  transfer.sent += size;
  if (size == 0) {
    const ::Window requestor = transfer.requestor;
    XSelectInput(display_, requestor, NoEventMask);
    transfers_.erase(it);
    Fetched(requestor);
  }
}

void X11Clipboard::Fetched(::Window requestor) {
  if (watching_ && (watched_client_ == 0 || ClientOf(display_, requestor) == watched_client_)) {
    fetched_ = true;
  }
}

void X11Clipboard::AwaitPasteFetch() {
  if (!offered_) return;
  ::Window focus = None;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  // A clipboard manager may fetch too; only the focused window's client has pasted.
  watched_client_ = focus == None || focus == PointerRoot ? 0 : ClientOf(display_, focus);
  fetched_ = false;
  watching_ = true;
  WaitFor([this] { return fetched_ || !offered_; }, kPasteFetchWait);
  watching_ = false;
}

std::optional<Time> X11Clipboard::ServerTime() {
  // Appending nothing to a property of ours makes the server tell the time.
  property_time_.reset();
  XChangeProperty(display_, window_, atoms_.timestamp, XA_INTEGER, 32, PropModeAppend, nullptr, 0);
  XFlush(display_);
  if (!WaitFor([this] { return property_time_.has_value(); }, kReadWait)) return std::nullopt;
  return property_time_;
}

bool X11Clipboard::SetText(std::string_view text) {
  const std::optional<Time> time = ServerTime();
  if (!time) return false;
  offered_ = std::string(text);
  owned_since_ = *time;
  XSetSelectionOwner(display_, atoms_.clipboard, window_, *time);
  if (XGetSelectionOwner(display_, atoms_.clipboard) != window_) {
    offered_.reset();
    return false;
  }
  // From now on other clients may ask at any time: the event loop hands their requests on.
  if (!events_) {
    events_ = std::make_unique<QtEventSource>(ConnectionNumber(display_), [this] { Drain(); });
  }
  // The round trips above may have read requests that the socket will not announce again.
  events_->CallSoon([this] { Drain(); });
  return true;
}

std::optional<std::string> X11Clipboard::GetText() {
  Drain();  // a SelectionClear may be waiting
  if (offered_) return offered_;
  if (std::optional<std::string> own = own_windows_text_()) return own;
  if (XGetSelectionOwner(display_, atoms_.clipboard) == None) return std::string();
  const Clock::time_point deadline = Clock::now() + kReadWait;
  for (const Atom target : {atoms_.utf8_string, static_cast<Atom>(XA_STRING)}) {
    std::optional<std::string> text = Read(target, deadline);
    if (!text) return std::nullopt;  // no answer: busy
    if (!text->empty() || target == XA_STRING) {
      return target == XA_STRING ? Latin1ToUtf8(*text) : *text;
    }
  }
  return std::string();
}

std::optional<std::string> X11Clipboard::Read(Atom target, Clock::time_point deadline) {
  conversion_.reset();
  XDeleteProperty(display_, window_, atoms_.transfer);
  XConvertSelection(display_, atoms_.clipboard, target, atoms_.transfer, window_, CurrentTime);
  XFlush(display_);
  if (!WaitFor([this] { return conversion_.has_value(); }, deadline - Clock::now())) {
    return std::nullopt;
  }
  // Refused: the owner holds no text of this kind (an image, say).
  if (conversion_->property == None) return std::string();
  return ReadProperty(deadline);
}

std::optional<std::string> X11Clipboard::ReadProperty(Clock::time_point deadline) {
  std::string data;
  bool incremental = false;
  for (;;) {
    property_arrived_ = false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* bytes = nullptr;
    // Deleting the property asks an incremental sender for the next piece.
    if (XGetWindowProperty(display_, window_, atoms_.transfer, 0, 0x1FFFFFFF, True, AnyPropertyType,
                           &type, &format, &items, &after, &bytes) != Success) {
      return std::nullopt;
    }
    const std::size_t size =
        items * static_cast<std::size_t>(format == 32 ? sizeof(long) : format / 8);
    const bool starts_incremental = type == atoms_.incr && !incremental;
    if (!starts_incremental && bytes != nullptr) data.append(reinterpret_cast<char*>(bytes), size);
    if (bytes != nullptr) XFree(bytes);
    XFlush(display_);
    if (starts_incremental) {
      incremental = true;
    } else if (!incremental || size == 0) {
      return data;
    }
    if (!WaitFor([this] { return property_arrived_; }, deadline - Clock::now())) {
      return std::nullopt;
    }
  }
}

}  // namespace keyloom
