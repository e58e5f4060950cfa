#pragma once

namespace keyloom {

// Tells when Windows has removed the low-level keyboard hook, which it does silently when the
// hook once kept it waiting too long: keys still arrive (raw input says so) but the hook sees
// none of them.
class HookWatch {
 public:
  // A hook quiet this long while keys arrive is gone; three such keys make it sure.
  static constexpr unsigned long kQuietMs = 1000;
  static constexpr int kMissedKeys = 3;

  // The hook procedure ran at `tick` (GetTickCount).
  void HookRan(unsigned long tick) {
    last_hook_ = tick;
    missed_ = 0;
  }
  // A key arrived at `tick`, as raw input tells. True when the hook must be installed again;
  // it then counts as just installed.
  bool KeyArrived(unsigned long tick) {
    if (tick - last_hook_ < kQuietMs) return false;
    if (++missed_ < kMissedKeys) return false;
    HookRan(tick);
    return true;
  }

 private:
  unsigned long last_hook_ = 0;
  int missed_ = 0;
};

}  // namespace keyloom
