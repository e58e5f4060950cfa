#pragma once

#include <string>

namespace keyloom {

struct LocalDateTime {
  int year = 2000;
  int month = 1;  // 1-12
  int day = 1;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The local time and the user's regional formats for it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
  virtual std::string FormatShortDate(const LocalDateTime& t) const = 0;
  virtual std::string FormatTime(const LocalDateTime& t) const = 0;
  virtual std::string FormatDateTime(const LocalDateTime& t) const = 0;
};

}  // namespace keyloom
