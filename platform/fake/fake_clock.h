#pragma once

#include <string>

#include "platform/clock.h"

namespace keyloom {

// A clock that stands still at a time the test sets, with fixed formats: short date M/D/YYYY
// ("12/7/2026"), time h:mm:ss with AM or PM ("3:04:05 PM", "12:00:00 AM" at midnight), and
// date and time joined by one space ("12/7/2026 3:04:05 PM").
class FakeClock final : public Clock {
 public:
  LocalDateTime Now() const override { return now_; }
  std::string FormatShortDate(const LocalDateTime& t) const override;
  std::string FormatTime(const LocalDateTime& t) const override;
  std::string FormatDateTime(const LocalDateTime& t) const override;

  void set_now(const LocalDateTime& now) { now_ = now; }

 private:
  LocalDateTime now_;
};

}  // namespace keyloom
