#include "platform/linux/qt_clock.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

namespace keyloom {

std::string WithoutTimeZone(std::string_view time_format) {
  std::string result;
  bool quoted = false;
  for (std::size_t i = 0; i < time_format.size(); ++i) {
    const char c = time_format[i];
    if (c == '\'') quoted = !quoted;
    if (quoted || c != 't') {
      result += c;
      continue;
    }
    while (!result.empty() && result.back() == ' ') result.pop_back();
    while (i + 1 < time_format.size() && time_format[i + 1] == 't') ++i;
  }
  return result;
}

LocalDateTime QtClock::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::string QtClock::FormatShortDate(const LocalDateTime& t) const {
  return QLocale::system()
      .toString(QDate(t.year, t.month, t.day), QLocale::ShortFormat)
      .toStdString();
}

std::string QtClock::FormatTime(const LocalDateTime& t) const {
  const QLocale locale = QLocale::system();
  const std::string format = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat).toStdString());
  return locale.toString(QTime(t.hour, t.minute, t.second), QString::fromStdString(format))
      .toStdString();
}

std::string QtClock::FormatDateTime(const LocalDateTime& t) const {
  return FormatShortDate(t) + " " + FormatTime(t);
}

}  // namespace keyloom
