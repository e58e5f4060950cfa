#pragma once

#include <deque>
#include <functional>
#include <string>

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
};

// Applies the programs' output to the focused field in order. The client applies commits and
// deletions as they arrive, but queues a forwarded key as an event of its own, which a commit
// sent after it overtakes; forwarded keys keep their order among themselves. So output goes as
// commits and deletions until a key is forwarded; from then on everything is forwarded as keys
// (text as one key per character, deletions as BackSpaces) while keys are in flight: until the
// client has moved its cursor once for each key that edits, or has told nothing for a short
// while. A key that the user types meanwhile is forwarded behind them.
class OutputQueue {
 public:
  // A client that tells nothing for this long has handled the keys in flight.
  static constexpr int kQuietClientMs = 300;
  static constexpr unsigned int kBackspaceKeyval = 0xFF08;

  // `set_quiet_timer(ms)` starts a single wait of that long that ends in QuietTimeOver, or
  // starts it again; 0 stops it.
  OutputQueue(InputTarget& target, std::function<void(int)> set_quiet_timer);

  void Commit(const std::string& text);
  // A key that `edits` the text (types, breaks a line, deletes) moves the cursor.
  void Forward(unsigned int keyval, unsigned int keycode, unsigned int state, bool edits);
  // A key went on to the client unchanged: the client queues it like a forwarded one.
  void KeyPassed(bool edits);
  // The client told its cursor place.
  void CursorMoved(int x, int y);
  // Another field has the focus: keys still in flight are its now.
  void FocusMoved();
  void QuietTimeOver();
  // Whether keys are in flight, so that a key the user types now must be forwarded too.
  bool Busy() const { return in_flight_; }

 private:
  // Keys went out, `edits` of them editing the text.
  void Launched(int edits);
  void Landed();

  InputTarget& target_;
  std::function<void(int)> set_quiet_timer_;
  bool in_flight_ = false;
  int awaited_moves_ = 0;  // cursor moves still to come for the keys in flight
  bool tells_cursor_ = false;
  int cursor_x_ = 0;
  int cursor_y_ = 0;
};

}  // namespace keyloom
