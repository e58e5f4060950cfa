#pragma once

namespace keyloom {

// COM on the UI thread for as long as the platform lives: asking other programs' accessible
// objects needs it.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool started_ = false;
};

}  // namespace keyloom
