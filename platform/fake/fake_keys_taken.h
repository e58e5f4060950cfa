#pragma once

#include "platform/keys_taken.h"

namespace keyloom {

// Whether this program took the keys, and whether the test says another one has them.
class FakeKeysTaken final : public KeysTaken {
 public:
  void Take(bool taken) override { taken_ = taken; }
  bool TakenElsewhere() override { return elsewhere_ && !taken_; }

  bool taken() const { return taken_; }
  void set_taken_elsewhere(bool elsewhere) { elsewhere_ = elsewhere; }

 private:
  bool taken_ = false;
  bool elsewhere_ = false;
};

}  // namespace keyloom
