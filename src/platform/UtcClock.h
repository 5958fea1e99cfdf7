#pragma once
#include <QDateTime>

// Source of the current UTC time and date. The program reads the system clock; tests
// pass a fixed clock to the windows they build.
class UtcClock
{
public:
    virtual ~UtcClock() = default;
    virtual QDateTime nowUtc() const = 0;
    // Today's date in UTC, the date contest data and printed lists start from.
    QDate todayUtc() const { return nowUtc().date(); }
};

class SystemUtcClock : public UtcClock
{
public:
    QDateTime nowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};

// Fixed formats of the time and date the entry writes and the exports read back.
namespace LogFormats {
inline constexpr const char *DateFormat = "yyyy-MM-dd";
inline constexpr const char *TimeFormat = "HH:mm";
// Reads a stored date in the written format or in one of the accepted alternatives.
QDate parseDate(const QString &text);
// Reads a stored time ("HH:mm", "HH:mm:ss", "H:mm").
QTime parseTime(const QString &text);
}
