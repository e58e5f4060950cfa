#include "platform/fake/fake_clock.h"

namespace keyloom {
namespace {

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::string FakeClock::FormatShortDate(const LocalDateTime& t) const {
  return std::to_string(t.month) + "/" + std::to_string(t.day) + "/" + std::to_string(t.year);
}

std::string FakeClock::FormatTime(const LocalDateTime& t) const {
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  return std::to_string(hour12) + ":" + TwoDigits(t.minute) + ":" + TwoDigits(t.second) +
         (t.hour < 12 ? " AM" : " PM");
}

std::string FakeClock::FormatDateTime(const LocalDateTime& t) const {
  return FormatShortDate(t) + " " + FormatTime(t);
}

}  // namespace keyloom
