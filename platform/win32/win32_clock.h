#pragma once

#include <string>

#include "platform/clock.h"

namespace keyloom {

// The local time and the user's regional short date and time formats.
class Win32Clock final : public Clock {
 public:
  LocalDateTime Now() const override;
  std::string FormatShortDate(const LocalDateTime& t) const override;
  std::string FormatTime(const LocalDateTime& t) const override;
  std::string FormatDateTime(const LocalDateTime& t) const override;
};

}  // namespace keyloom
