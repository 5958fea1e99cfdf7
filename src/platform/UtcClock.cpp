#include "platform/UtcClock.h"

namespace LogFormats {

QDate parseDate(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *f : {"yyyy-MM-dd", "dd.MM.yyyy", "d.M.yyyy", "dd.MM.yyyy.", "d.M.yyyy."}) {
        const QDate d = QDate::fromString(t, QString::fromLatin1(f));
        if (d.isValid())
            return d;
    }
    return {};
}

QTime parseTime(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *f : {"HH:mm", "HH:mm:ss", "H:mm", "H:mm:ss"}) {
        const QTime tm = QTime::fromString(t, QString::fromLatin1(f));
        if (tm.isValid())
            return tm;
    }
    return {};
}

}
