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

// How many bytes an item of a property's format takes in Xlib's memory.
std::size_t ItemSize(int format) {
  return format == 32 ? sizeof(long) : format == 16 ? sizeof(short) : 1;
}

class X11ClipboardSnapshot final : public ClipboardSnapshot {
 public:
  explicit X11ClipboardSnapshot(std::vector<SelectionData> content)
      : content_(std::move(content)) {}
  bool Empty() const override { return content_.empty(); }
  const std::vector<SelectionData>& content() const { return content_; }

 private:
  std::vector<SelectionData> content_;
};

}  // namespace

struct X11Clipboard::OutgoingTransfer {
  ::Window requestor;
  Atom property;
  Atom type;
  std::string data;
  std::size_t sent = 0;
  std::chrono::steady_clock::time_point last_step = std::chrono::steady_clock::now();
};

X11Clipboard::X11Clipboard(Display* display,
                           std::function<std::optional<std::string>()> own_windows_text,
                           std::size_t max_snapshot_bytes)
    : display_(display),
      window_(XCreateSimpleWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, 0, 0)),
      atoms_(SelectionAtoms::Intern(display)),
      own_windows_text_(std::move(own_windows_text)),
      max_snapshot_bytes_(max_snapshot_bytes) {
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
  DropStalledTransfers();
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
    std::vector<Atom> targets = {atoms_.targets, atoms_.timestamp};
    for (const SelectionData& offered : *offered_) targets.push_back(offered.target);
    XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(targets.data()),
                    static_cast<int>(targets.size()));
    return true;
  }
  if (target == atoms_.timestamp) {
    const long time = static_cast<long>(owned_since_);
    XChangeProperty(display_, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&time), 1);
    return true;
  }
  const auto offered =
      std::find_if(offered_->begin(), offered_->end(),
                   [&](const SelectionData& data) { return data.target == target; });
  if (offered == offered_->end()) return false;
  if (offered->format == 8 && offered->data.size() > kIncrementalChunk) {
    XSelectInput(display_, request.requestor, PropertyChangeMask);
    const long size = static_cast<long>(offered->data.size());
    XChangeProperty(display_, request.requestor, property, atoms_.incr, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&size), 1);
    // The data is copied once per fetch: a restore may replace the offer meanwhile.
    transfers_.push_back(std::make_unique<OutgoingTransfer>(
        OutgoingTransfer{request.requestor, property, offered->type, offered->data}));
    return true;
  }
  XChangeProperty(display_, request.requestor, property, offered->type, offered->format,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(offered->data.data()),
                  static_cast<int>(offered->data.size() / ItemSize(offered->format)));
  Fetched(request.requestor);
  return true;
}

void X11Clipboard::DropStalledTransfers() {
  const Clock::time_point now = Clock::now();
  std::erase_if(transfers_, [&](const std::unique_ptr<OutgoingTransfer>& transfer) {
    if (now - transfer->last_step < kTransferStallLimit) return false;
    X11ErrorTrap trap(display_);  // the requestor's window may be gone
    XSelectInput(display_, transfer->requestor, NoEventMask);
    return true;
  });
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
  transfer.last_step = Clock::now();
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

std::vector<SelectionData> X11Clipboard::TextTargets(std::string_view text) const {
  const std::string utf8(text);
  std::vector<SelectionData> targets = {{atoms_.utf8_string, atoms_.utf8_string, 8, utf8},
                                        {atoms_.text_plain_utf8, atoms_.text_plain_utf8, 8, utf8},
                                        {atoms_.text, atoms_.utf8_string, 8, utf8}};
  // Text that Latin-1 cannot hold is offered as UTF-8 only.
  if (std::optional<std::string> latin1 = Utf8ToLatin1(text)) {
    targets.push_back({XA_STRING, XA_STRING, 8, *latin1});
    targets.push_back({atoms_.text_plain, atoms_.text_plain, 8, *latin1});
  }
  return targets;
}

bool X11Clipboard::SetText(std::string_view text) {
  std::vector<SelectionData> content = TextTargets(text);
  content.push_back({atoms_.password_manager_hint, atoms_.password_manager_hint, 8, "secret"});
  return Own(std::move(content));
}

bool X11Clipboard::Restore(const ClipboardSnapshot& snapshot) {
  const auto& content = static_cast<const X11ClipboardSnapshot&>(snapshot).content();
  if (!content.empty()) return Own(content);
  // The clipboard held nothing: nothing of ours stays on it.
  Drain();
  if (!offered_) return true;
  const std::optional<Time> time = ServerTime();
  if (!time) return false;
  XSetSelectionOwner(display_, atoms_.clipboard, None, *time);
  offered_.reset();
  XFlush(display_);
  return true;
}

bool X11Clipboard::Own(std::vector<SelectionData> content) {
  const std::optional<Time> time = ServerTime();
  if (!time) return false;
  offered_ = std::move(content);
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

bool X11Clipboard::AnsweredByOwner(Atom target) const {
  return target == atoms_.targets || target == atoms_.timestamp || target == atoms_.multiple ||
         target == atoms_.delete_target || target == atoms_.insert_selection ||
         target == atoms_.insert_property || target == atoms_.save_targets;
}

std::unique_ptr<ClipboardSnapshot> X11Clipboard::Save() {
  Drain();  // a SelectionClear may be waiting
  if (offered_) return std::make_unique<X11ClipboardSnapshot>(*offered_);
  if (std::optional<std::string> own = own_windows_text_()) {
    return std::make_unique<X11ClipboardSnapshot>(TextTargets(*own));
  }
  if (XGetSelectionOwner(display_, atoms_.clipboard) == None) {
    return std::make_unique<X11ClipboardSnapshot>(std::vector<SelectionData>{});
  }
  const Clock::time_point deadline = Clock::now() + kSnapshotWait;
  const std::optional<SelectionData> list = Read(atoms_.targets, deadline, max_snapshot_bytes_);
  if (!list) return nullptr;  // no answer: busy
  std::vector<Atom> targets;
  if (list->type == XA_ATOM && list->format == 32) {
    const auto* atoms = reinterpret_cast<const long*>(list->data.data());
    for (std::size_t i = 0; i < list->data.size() / sizeof(long); ++i) {
      const auto target = static_cast<Atom>(atoms[i]);
      if (!AnsweredByOwner(target) &&
          std::find(targets.begin(), targets.end(), target) == targets.end()) {
        targets.push_back(target);
      }
    }
  } else {
    // An owner from before TARGETS: its text, if any.
    targets = {atoms_.utf8_string, XA_STRING};
  }
  std::vector<SelectionData> content;
  std::size_t total = 0;
  for (const Atom target : targets) {
    std::optional<SelectionData> data = Read(target, deadline, max_snapshot_bytes_ - total);
    // An owner that stops answering, or gives too much, leaves the clipboard alone: a part of
    // it is no snapshot.
    if (!data) return nullptr;
    total += data->data.size();
    if (data->type != None) content.push_back(std::move(*data));
  }
  return std::make_unique<X11ClipboardSnapshot>(std::move(content));
}

std::optional<SelectionData> X11Clipboard::Read(Atom target, Clock::time_point deadline,
                                                std::size_t budget) {
  conversion_.reset();
  XDeleteProperty(display_, window_, atoms_.transfer);
  const ::Window owner = XGetSelectionOwner(display_, atoms_.clipboard);
  XConvertSelection(display_, atoms_.clipboard, target, atoms_.transfer, window_, CurrentTime);
  XFlush(display_);
  // An owner that quits before answering never will: its content is gone, and what was read of
  // it is no snapshot.
  const bool answered = WaitFor(
      [&] {
        return conversion_.has_value() || XGetSelectionOwner(display_, atoms_.clipboard) != owner;
      },
      deadline - Clock::now());
  if (!answered || !conversion_) return std::nullopt;
  // Refused: the owner cannot give this target (or has gone).
  if (conversion_->property == None) return SelectionData{target, None, 8, {}};
  return ReadProperty(target, deadline, budget);
}

std::optional<SelectionData> X11Clipboard::ReadProperty(Atom target, Clock::time_point deadline,
                                                        std::size_t budget) {
  SelectionData data{target, None, 8, {}};
  bool incremental = false;
  for (;;) {
    property_arrived_ = false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* bytes = nullptr;
    // Deleting the property asks an incremental sender for the next piece.
    // Asked in 32-bit units: one more than the budget tells a property too large.
    const long length = static_cast<long>((budget - data.data.size()) / 4 + 1);
    if (XGetWindowProperty(display_, window_, atoms_.transfer, 0, length, True, AnyPropertyType,
                           &type, &format, &items, &after, &bytes) != Success) {
      return std::nullopt;
    }
    const std::size_t size = items * ItemSize(format);
    if (after > 0 || data.data.size() + size > budget) {
      if (bytes != nullptr) XFree(bytes);
      return std::nullopt;
    }
    const bool starts_incremental = type == atoms_.incr && !incremental;
    if (!starts_incremental && type != None) {
      data.type = type;
      data.format = format;
      if (bytes != nullptr) data.data.append(reinterpret_cast<char*>(bytes), size);
    }
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
