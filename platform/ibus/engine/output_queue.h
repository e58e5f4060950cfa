#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/ibus/engine/client_ways.h"

namespace keyloom {

// The focused field as the engine reaches it.
class InputTarget {
 public:
  virtual ~InputTarget() = default;
  // Whether the field tells its surrounding text, so that text before the cursor can be
  // deleted in order with the commits.
  virtual bool SupportsSurroundingText() const = 0;
  virtual void Commit(const std::string& text) = 0;
  virtual void DeleteBeforeCursor(int count) = 0;
  // Presses and releases the key.
  virtual void Forward(unsigned int keyval, unsigned int keycode, unsigned int state) = 0;
  // Types the text as forwarded keys, one per character.
  virtual void ForwardText(const std::string& text) = 0;
  virtual ClientWays ways() const = 0;
};

// Applies the programs' output to the focused field in order.
//
// Commits and deletions sent in one turn go out as one deletion followed by one commit, as a
// Wayland compositor hands them to the application (a later commit or deletion of the same turn
// would replace an earlier one there); a deletion of text committed in the same turn takes it
// back instead.
//
// Clients apply commits and deletions as they arrive, but a forwarded key, or one the engine let
// through, later: GTK puts it into its event queue, a compositor sends it through the keyboard.
// A commit sent after a key would overtake it; keys keep their order among themselves. Where
// keys may overtake commits too, a key waits behind a commit in the same way. So once a
// key is in flight, what follows is forwarded as keys too where the client can take text so
// (text one key per character, deletions as BackSpaces), and otherwise waits until the keys have
// landed: until the client has moved its cursor once for each edit sent (a move within the
// cursor's column is the view scrolling and does not count), or has told nothing for a short
// while. A key that the user types meanwhile goes behind them. A client that applies keys in
// order has nothing in flight.
//
// Where line breaks must go as text, an Enter waits for the end of its turn: followed by more
// text or deletions it becomes a line break in the turn's commit; at the end of the output it
// is pressed, so that a phrase that ends in Enter still sends a form.
class OutputQueue {
 public:
  // A client that tells nothing for this long has handled the keys in flight.
  static constexpr int kQuietClientMs = 300;
  static constexpr unsigned int kBackspaceKeyval = 0xFF08;
  static constexpr unsigned int kReturnKeyval = 0xFF0D;
  static constexpr unsigned int kTabKeyval = 0xFF09;

  // `set_quiet_timer(ms)` starts a single wait of that long that ends in QuietTimeOver, or
  // starts it again; 0 stops it.
  OutputQueue(InputTarget& target, std::function<void(int)> set_quiet_timer);

  void Commit(const std::string& text);
  // A key that `edits` the text (types, breaks a line, deletes) moves the cursor.
  void Forward(unsigned int keyval, unsigned int keycode, unsigned int state, bool edits);
  // A key went on to the client unchanged: it is in flight like a forwarded one.
  void KeyPassed(bool edits);
  // The client told its cursor place.
  void CursorMoved(int x, int y);
  // Sends the commits and deletions of this turn; the engine calls it after each call it got.
  void Flush();
  // The field lost the focus: output waits for it, as a client may move the focus away and
  // back while it handles a key. A field that gets the focus has what was in flight.
  void FocusLost();
  void FocusMoved();
  void QuietTimeOver();
  // Whether keys are in flight, output waits or the client is busy with it, so that a key the
  // user types now must go behind them, through the queue.
  bool Busy() const { return in_flight_ || !held_.empty() || settling_; }
  // Whether the queue can send a key that the user typed in its place without the client
  // dropping it: where forwarded keys only type, only text, Enter, Tab and deletions.
  bool CanSendKey(unsigned int keyval, unsigned int state, bool types) const;

 private:
  struct Item {
    bool forward = false;
    std::string text;  // a commit's
    unsigned int keyval = 0;
    unsigned int keycode = 0;
    unsigned int state = 0;
    bool edits = false;
  };

  void Apply(Item item);
  bool IsLineBreakAsText(const Item& item) const;
  void SendKey(const Item& key);
  void SendCommit(std::string text);
  // Edits went out: as many cursor moves to come.
  void Expect(int moves);
  void Landed();

  InputTarget& target_;
  std::function<void(int)> set_quiet_timer_;
  int pending_deletion_ = 0;           // this turn's, before the cursor
  std::string pending_text_;           // this turn's, after the deletion
  std::optional<Item> pending_enter_;  // this turn's, after its text
  std::deque<Item> held_;              // waiting for the keys in flight to land
  bool in_flight_ = false;
  bool commit_in_flight_ = false;  // where keys may overtake commits
  bool settling_ = false;          // a client that reorders queued keys is busy with output
  bool has_focus_ = true;
  int awaited_moves_ = 0;  // cursor moves still to come for what was sent
  bool tells_cursor_ = false;
  int cursor_x_ = 0;
  int cursor_y_ = 0;
};

}  // namespace keyloom
