#pragma once
#include <QDateTime>

// Source of the current UTC time; tests replace it with a fixed clock.
class UtcClock
{
public:
    virtual ~UtcClock() = default;
    virtual QDateTime nowUtc() const = 0;

    static UtcClock *instance();
    // The caller keeps ownership; nullptr restores the system clock.
    static void setInstance(UtcClock *clock);
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
