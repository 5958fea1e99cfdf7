#include "export/StoredDateTime.h"

#include "platform/UtcClock.h"

namespace {

int digits(const QString &t, int from, int count)
{
    int v = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = t.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

}

QDate StoredDateTime::date(const QString &stored)
{
    if (stored == m_lastText && !m_lastText.isNull())
        return m_lastDate;
    const QString t = stored.trimmed();
    QDate d;
    if (t.size() == 10 && t.at(4) == u'-' && t.at(7) == u'-') {
        const int y = digits(t, 0, 4), m = digits(t, 5, 2), day = digits(t, 8, 2);
        if (y >= 0 && m >= 0 && day >= 0)
            d = QDate(y, m, day);
    }
    if (!d.isValid())
        d = LogFormats::parseDate(t);
    m_lastText = stored;
    m_lastDate = d;
    return d;
}

QTime StoredDateTime::time(const QString &stored)
{
    const QString t = stored.trimmed();
    if (t.size() == 5 && t.at(2) == u':') {
        const int h = digits(t, 0, 2), m = digits(t, 3, 2);
        if (h >= 0 && m >= 0 && QTime::isValid(h, m, 0))
            return QTime(h, m);
    }
    return LogFormats::parseTime(t);
}
