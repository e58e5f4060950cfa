#include "platform/ibus/engine/output_queue.h"

#include <utility>

#include "platform/text.h"

namespace keyloom {

OutputQueue::OutputQueue(InputTarget& target, std::function<void(int)> set_quiet_timer)
    : target_(target), set_quiet_timer_(std::move(set_quiet_timer)) {}

void OutputQueue::Commit(const std::string& text) {
  if (text.empty()) return;
  if (!in_flight_) {
    target_.Commit(text);
    return;
  }
  target_.ForwardText(text);
  Launched(static_cast<int>(CodePointCount(text)));
}

void OutputQueue::Forward(unsigned int keyval, unsigned int keycode, unsigned int state,
                          bool edits) {
  if (!in_flight_ && keyval == kBackspaceKeyval && state == 0 &&
      target_.SupportsSurroundingText()) {
    target_.DeleteBeforeCursor(1);
    return;
  }
  target_.Forward(keyval, keycode, state);
  Launched(edits ? 1 : 0);
}

void OutputQueue::KeyPassed(bool edits) {
  if (edits && tells_cursor_) Launched(1);
}

void OutputQueue::Launched(int edits) {
  in_flight_ = true;
  awaited_moves_ += edits;
  set_quiet_timer_(kQuietClientMs);
}

void OutputQueue::CursorMoved(int x, int y) {
  // The view scrolling moves the cursor up or down in its column: no key's doing, unless it
  // stands at the start of a line (a line break on an empty line).
  const bool moved = !tells_cursor_ || x != cursor_x_ || (x == 0 && y != cursor_y_);
  tells_cursor_ = true;
  cursor_x_ = x;
  cursor_y_ = y;
  if (!in_flight_) return;
  set_quiet_timer_(kQuietClientMs);
  if (moved && --awaited_moves_ <= 0) Landed();
}

void OutputQueue::FocusMoved() {
  tells_cursor_ = false;
  if (in_flight_) Landed();
}

void OutputQueue::QuietTimeOver() {
  if (in_flight_) Landed();
}

void OutputQueue::Landed() {
  in_flight_ = false;
  awaited_moves_ = 0;
  set_quiet_timer_(0);
}

}  // namespace keyloom
