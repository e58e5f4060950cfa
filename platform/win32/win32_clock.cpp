#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

SYSTEMTIME ToSystemTime(const LocalDateTime& t) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(t.year);
  time.wMonth = static_cast<WORD>(t.month);
  time.wDay = static_cast<WORD>(t.day);
  time.wHour = static_cast<WORD>(t.hour);
  time.wMinute = static_cast<WORD>(t.minute);
  time.wSecond = static_cast<WORD>(t.second);
  return time;
}

}  // namespace

LocalDateTime Win32Clock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Clock::FormatShortDate(const LocalDateTime& t) const {
  const SYSTEMTIME time = ToSystemTime(t);
  wchar_t text[128];
  if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128,
                      nullptr) == 0) {
    return {};
  }
  return WideToUtf8(text);
}

std::string Win32Clock::FormatTime(const LocalDateTime& t) const {
  const SYSTEMTIME time = ToSystemTime(t);
  wchar_t text[128];
  if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, text, 128) == 0) return {};
  return WideToUtf8(text);
}

std::string Win32Clock::FormatDateTime(const LocalDateTime& t) const {
  return FormatShortDate(t) + " " + FormatTime(t);
}

}  // namespace keyloom
