#pragma once

#include <span>

namespace keyloom {

// Tells the other program that one of the two has taken the user's keys for a while (Quipcast's
// phrase picker withholds them from the window typed in), so that it leaves them alone. The
// sign goes away with the program that gave it, should that end without taking it back.
class KeysTaken {
 public:
  virtual ~KeysTaken() = default;
  virtual void Take(bool taken) = 0;
  // Whether another program has taken the keys; never when this one has.
  virtual bool TakenElsewhere() = 0;
};

// The keys a program that has taken them withholds from the window (virtual key codes): those
// that type (letters, digits, Space, punctuation, the keypad's) and those that steer a list.
// Any other key still goes on to the window.
std::span<const int> TakenKeys();
bool IsTakenKey(int key_code);

}  // namespace keyloom
