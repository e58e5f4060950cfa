#pragma once

#include <windows.h>

#include "platform/keys_taken.h"

namespace keyloom {

// The sign is a named mutex of the user's session, owned while this program has the keys; the
// system releases it when the program ends.
class Win32KeysTaken final : public KeysTaken {
 public:
  Win32KeysTaken();
  ~Win32KeysTaken() override;
  Win32KeysTaken(const Win32KeysTaken&) = delete;
  Win32KeysTaken& operator=(const Win32KeysTaken&) = delete;

  // Both on the thread that handles keys: a mutex is owned by a thread.
  void Take(bool taken) override;
  bool TakenElsewhere() override;

 private:
  HANDLE mutex_;
  bool held_ = false;
};

}  // namespace keyloom
