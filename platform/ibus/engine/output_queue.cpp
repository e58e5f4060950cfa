#include "platform/ibus/engine/output_queue.h"

#include <utility>

#include "platform/text.h"

namespace keyloom {
namespace {

// Where the last code point of non-empty UTF-8 text begins.
std::size_t LastCodePointStart(const std::string& text) {
  std::size_t start = text.size() - 1;
  while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  return start;
}

// Control, Alt and Super make a key a chord; Shift, Caps Lock and Num Lock do not.
constexpr unsigned int kChordMask = (1 << 2) | (1 << 3) | (1 << 6);

bool IsPlain(unsigned int state) { return (state & kChordMask) == 0; }

}  // namespace

OutputQueue::OutputQueue(InputTarget& target, std::function<void(int)> set_quiet_timer)
    : target_(target), set_quiet_timer_(std::move(set_quiet_timer)) {}

void OutputQueue::Commit(const std::string& text) {
  if (!text.empty()) Apply({false, text});
}

void OutputQueue::Forward(unsigned int keyval, unsigned int keycode, unsigned int state,
                          bool edits) {
  Apply({true, {}, keyval, keycode, state, edits});
}

bool OutputQueue::IsLineBreakAsText(const Item& item) const {
  return item.forward && item.keyval == kReturnKeyval && item.state == 0 &&
         target_.ways().line_breaks_as_text;
}

void OutputQueue::Apply(Item item) {
  // Where a forwarded Enter or Tab would be dropped, it goes as the text it types.
  if (item.forward && IsPlain(item.state) && target_.ways().keys_only_type) {
    if (item.keyval == kReturnKeyval) item = {false, "\n"};
    if (item.keyval == kTabKeyval) item = {false, "\t"};
  }
  const bool line_break = IsLineBreakAsText(item);
  // An Enter behind keys in flight waits with them, to be sent as text if text follows it.
  if (!held_.empty() || !has_focus_ || (in_flight_ && line_break)) {
    held_.push_back(std::move(item));
    return;
  }
  if (line_break) {
    if (pending_enter_) pending_text_ += '\n';
    pending_enter_ = std::move(item);
    return;
  }
  const bool backspace = item.forward && item.keyval == kBackspaceKeyval && IsPlain(item.state);
  const bool deletes_in_turn = !in_flight_ && backspace && target_.SupportsSurroundingText();
  const bool commits_in_turn = !in_flight_ && !item.forward;
  if (pending_enter_ && (deletes_in_turn || commits_in_turn)) {
    pending_text_ += '\n';
    pending_enter_.reset();
  }
  if (deletes_in_turn) {
    if (pending_text_.empty()) {
      ++pending_deletion_;
    } else {
      pending_text_.erase(LastCodePointStart(pending_text_));
    }
  } else if (commits_in_turn) {
    pending_text_ += item.text;
  } else if (item.forward) {
    Flush();
    if (commit_in_flight_) {
      held_.push_back(std::move(item));
      return;
    }
    SendKey(item);
  } else if (target_.ways().types_forwarded_text) {
    target_.ForwardText(item.text);
    Expect(static_cast<int>(CodePointCount(item.text)));
  } else {
    held_.push_back(std::move(item));
  }
}

void OutputQueue::SendKey(const Item& key) {
  target_.Forward(key.keyval, key.keycode, key.state);
  if (target_.ways().applies_in_order) return;
  in_flight_ = true;
  Expect(key.edits ? 1 : 0);
}

void OutputQueue::SendCommit(std::string text) {
  const std::size_t limit = target_.ways().max_commit_bytes;
  while (limit > 0 && text.size() > limit) {
    // Cut where a code point begins.
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    target_.Commit(text.substr(0, cut));
    text.erase(0, cut);
  }
  target_.Commit(text);
}

void OutputQueue::Flush() {
  if (pending_deletion_ > 0 || !pending_text_.empty()) {
    if (pending_deletion_ > 0) target_.DeleteBeforeCursor(std::exchange(pending_deletion_, 0));
    if (!pending_text_.empty()) {
      SendCommit(std::exchange(pending_text_, {}));
      if (target_.ways().keys_may_overtake_commits) in_flight_ = commit_in_flight_ = true;
    }
    Expect(1);
  }
  if (pending_enter_) {
    Item enter = *std::exchange(pending_enter_, std::nullopt);
    if (commit_in_flight_) {
      held_.push_back(std::move(enter));
    } else {
      SendKey(enter);
    }
  }
}

bool OutputQueue::CanSendKey(unsigned int keyval, unsigned int state, bool types) const {
  if (types || !target_.ways().keys_only_type) return true;
  if (!IsPlain(state)) return false;
  return keyval == kReturnKeyval || keyval == kTabKeyval ||
         (keyval == kBackspaceKeyval && target_.SupportsSurroundingText());
}

void OutputQueue::KeyPassed(bool edits) {
  if (target_.ways().applies_in_order) {
    // It reaches the field after everything sent, and so do the keys after it.
    settling_ = false;
    return;
  }
  if (!edits || !tells_cursor_) return;
  in_flight_ = true;
  Expect(1);
}

void OutputQueue::Expect(int moves) {
  const ClientWays ways = target_.ways();
  if (ways.applies_in_order) {
    if (ways.reorders_queued_keys && moves > 0) {
      settling_ = true;
      set_quiet_timer_(kQuietClientMs);
    }
    return;
  }
  if (tells_cursor_) awaited_moves_ += moves;
  if (Busy() || awaited_moves_ > 0) set_quiet_timer_(kQuietClientMs);
}

void OutputQueue::CursorMoved(int x, int y) {
  // The view scrolling moves the cursor up or down in its column: no edit's doing, unless it
  // stands at the start of a line (a line break on an empty line).
  const bool moved = !tells_cursor_ || x != cursor_x_ || (x == 0 && y != cursor_y_);
  tells_cursor_ = true;
  cursor_x_ = x;
  cursor_y_ = y;
  if (!moved || awaited_moves_ <= 0) return;
  if (--awaited_moves_ > 0) {
    set_quiet_timer_(kQuietClientMs);
  } else {
    Landed();
  }
}

void OutputQueue::FocusLost() {
  Flush();
  has_focus_ = false;
}

void OutputQueue::FocusMoved() {
  has_focus_ = true;
  tells_cursor_ = false;
  Landed();
}

void OutputQueue::QuietTimeOver() { Landed(); }

void OutputQueue::Landed() {
  in_flight_ = false;
  commit_in_flight_ = false;
  settling_ = false;
  awaited_moves_ = 0;
  set_quiet_timer_(0);
  if (!has_focus_) return;
  std::deque<Item> held = std::move(held_);
  held_.clear();
  while (!held.empty()) {
    Apply(std::move(held.front()));
    held.pop_front();
  }
  Flush();
}

}  // namespace keyloom
