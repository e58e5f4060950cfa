#pragma once

#include <string>

#include "platform/clock.h"

namespace keyloom {

// A time format with its time-zone fields (and the spaces before them) taken out: the time of
// day in the user's long format reads "3:04:05 PM", not "3:04:05 PM CET".
std::string WithoutTimeZone(std::string_view time_format);

// The local time with the formats of the user's locale: the short date, the long time format
// without its time zone, and the two joined by a space.
class QtClock final : public Clock {
 public:
  LocalDateTime Now() const override;
  std::string FormatShortDate(const LocalDateTime& t) const override;
  std::string FormatTime(const LocalDateTime& t) const override;
  std::string FormatDateTime(const LocalDateTime& t) const override;
};

}  // namespace keyloom
