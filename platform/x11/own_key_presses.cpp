#include "platform/x11/own_key_presses.h"

namespace keyloom {

void OwnKeyPresses::Sent(int keycode, Clock::time_point now) { pending_.push_back({keycode, now}); }

bool OwnKeyPresses::TakeIfOwn(int keycode, bool through_xtest, Clock::time_point now) {
  while (!pending_.empty() && now - pending_.front().sent > kForgetAfter) pending_.pop_front();
  if (!through_xtest || pending_.empty() || pending_.front().keycode != keycode) return false;
  pending_.pop_front();
  return true;
}

}  // namespace keyloom
