#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"
#include "platform/x11/qt_event_source.h"
#include "platform/x11/selection_atoms.h"

namespace keyloom {

// The CLIPBOARD selection on a connection of its own, text only. X11 clients fetch a paste
// after the paste key has reached them, by asking the owner; a program that owned the
// selection through its toolkit could only answer from its event loop, after the key event
// that pasted had ended and whatever it typed next had overtaken the paste. Here the owner is
// this connection, which answers while the program waits for the fetch (AwaitPasteFetch) and,
// when idle, from the event loop.
class X11Clipboard final : public Clipboard {
 public:
  // How long a paste key waits for the focused window to fetch the text: a window where the
  // key means something else never fetches.
  static constexpr std::chrono::milliseconds kPasteFetchWait{400};
  // How long reading the clipboard of another program may take before it counts as busy.
  static constexpr std::chrono::milliseconds kReadWait{1000};

  // `display` is the clipboard's own connection and must outlive it. `own_windows_text` gives
  // the text when the program's own windows hold the clipboard: they answer from the event
  // loop, which cannot run while the clipboard waits for an answer.
  X11Clipboard(Display* display, std::function<std::optional<std::string>()> own_windows_text);
  ~X11Clipboard() override;
  X11Clipboard(const X11Clipboard&) = delete;
  X11Clipboard& operator=(const X11Clipboard&) = delete;

  std::optional<std::string> GetText() override;
  bool SetText(std::string_view text) override;
  bool ShiftInsertPastesIt() const override { return false; }

  // After a paste key went out: serves the clipboard until the client of the focused window has
  // fetched the text offered, at most kPasteFetchWait.
  void AwaitPasteFetch();

 private:
  struct OutgoingTransfer;  // an incremental (INCR) answer in progress

  using Clock = std::chrono::steady_clock;
  // Handles the connection's events until `done` holds or the time is up; whether it holds.
  bool WaitFor(const std::function<bool()>& done, Clock::duration timeout);
  void Drain();
  void HandleEvent(const XEvent& event);
  void Serve(const XSelectionRequestEvent& request);
  bool Answer(const XSelectionRequestEvent& request, Atom property);
  void ContinueTransfer(const XPropertyEvent& event);
  void Fetched(::Window requestor);
  std::optional<Time> ServerTime();
  std::optional<std::string> Read(Atom target, Clock::time_point deadline);
  std::optional<std::string> ReadProperty(Clock::time_point deadline);

  Display* display_;
  ::Window window_;
  SelectionAtoms atoms_;
  std::function<std::optional<std::string>()> own_windows_text_;
  std::unique_ptr<QtEventSource> events_;  // from the first SetText on

  std::optional<std::string> offered_;  // the text while this connection owns the clipboard
  Time owned_since_ = CurrentTime;
  std::vector<std::unique_ptr<OutgoingTransfer>> transfers_;

  // The paste being waited for.
  bool watching_ = false;
  XID watched_client_ = 0;  // 0: any client's fetch counts
  bool fetched_ = false;

  // What the connection has been told while it waits.
  std::optional<XSelectionEvent> conversion_;
  std::optional<Time> property_time_;
  bool property_arrived_ = false;
};

}  // namespace keyloom
