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
#include "platform/linux/qt_event_source.h"
#include "platform/x11/selection_atoms.h"

namespace keyloom {

// One target that the clipboard offers, with its data as the property carries it.
struct SelectionData {
  Atom target = None;
  Atom type = None;  // None: the owner refused the target
  int format = 8;    // 8, 16 or 32, as in XChangeProperty
  std::string data;  // for 16 and 32, the items as Xlib holds them (short, long)
};

// The CLIPBOARD selection on a connection of its own. X11 clients fetch a paste
// after the paste key has reached them, by asking the owner; a program that owned the
// selection through its toolkit could only answer from its event loop, after the key event
// that pasted had ended and whatever it typed next had overtaken the paste. Here the owner is
// this connection, which answers while the program waits for the fetch (AwaitPasteFetch) and,
// when idle, from the event loop. A snapshot reads every target the owner offers, and a
// restore offers them all again, byte for byte, from this connection.
class X11Clipboard final : public Clipboard {
 public:
  // How long a paste key waits for the focused window to fetch the text: a window where the
  // key means something else never fetches.
  static constexpr std::chrono::milliseconds kPasteFetchWait{400};
  // How long the server may take to tell the time, before the clipboard counts as busy.
  static constexpr std::chrono::milliseconds kReadWait{1000};
  // How long reading the clipboard of another program, every target of it, may take inside a
  // key event; past this the snapshot is given up (the caller types instead).
  static constexpr std::chrono::milliseconds kSnapshotWait{300};
  // The most a snapshot holds of another program's clipboard, all targets together; a larger
  // one is given up (the caller types instead).
  static constexpr std::size_t kMaxSnapshotBytes = 64 * 1024 * 1024;
  // An incremental answer that its requestor has not taken on with for this long is dropped.
  static constexpr std::chrono::seconds kTransferStallLimit{5};

  // `display` is the clipboard's own connection and must outlive it. `own_windows_text` gives
  // the text when the program's own windows hold the clipboard: they answer from the event
  // loop, which cannot run while the clipboard waits for an answer.
  X11Clipboard(Display* display, std::function<std::optional<std::string>()> own_windows_text,
               std::size_t max_snapshot_bytes = kMaxSnapshotBytes);
  ~X11Clipboard() override;
  X11Clipboard(const X11Clipboard&) = delete;
  X11Clipboard& operator=(const X11Clipboard&) = delete;

  std::unique_ptr<ClipboardSnapshot> Save() override;
  bool SetText(std::string_view text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;
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
  // Takes the clipboard over, offering `content`; whether it could.
  bool Own(std::vector<SelectionData> content);
  std::vector<SelectionData> TextTargets(std::string_view text) const;
  // Whether a target is answered by whoever owns the clipboard rather than kept as data.
  bool AnsweredByOwner(Atom target) const;
  void ContinueTransfer(const XPropertyEvent& event);
  void Fetched(::Window requestor);
  std::optional<Time> ServerTime();
  // nullopt when the owner did not answer in time, quit first, or gave more than `budget`
  // bytes.
  std::optional<SelectionData> Read(Atom target, Clock::time_point deadline, std::size_t budget);
  std::optional<SelectionData> ReadProperty(Atom target, Clock::time_point deadline,
                                            std::size_t budget);
  void DropStalledTransfers();

  Display* display_;
  ::Window window_;
  SelectionAtoms atoms_;
  std::function<std::optional<std::string>()> own_windows_text_;
  std::size_t max_snapshot_bytes_;
  std::unique_ptr<QtEventSource> events_;  // from the first SetText on

  // What this connection offers while it owns the clipboard.
  std::optional<std::vector<SelectionData>> offered_;
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
