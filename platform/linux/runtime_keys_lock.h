#pragma once

#include <string>

#include "platform/keys_taken.h"

namespace keyloom {

// The sign is a lock on a file in the user's runtime folder, which only the user can reach; the
// system drops it when the program holding it ends.
class RuntimeKeysLock final : public KeysTaken {
 public:
  // `path` empty: there is no runtime folder, and no sign is given or seen.
  explicit RuntimeKeysLock(const std::string& path);
  ~RuntimeKeysLock() override;
  RuntimeKeysLock(const RuntimeKeysLock&) = delete;
  RuntimeKeysLock& operator=(const RuntimeKeysLock&) = delete;

  void Take(bool taken) override;
  bool TakenElsewhere() override;

 private:
  int held_file_ = -1;   // locked while this program has the keys
  int probe_file_ = -1;  // asks whether another program has them
  bool held_ = false;
};

// "$XDG_RUNTIME_DIR/keyloom-keys.lock"; empty without a runtime folder.
std::string RuntimeKeysLockPath();

}  // namespace keyloom
