#pragma once

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

}  // namespace keyloom
