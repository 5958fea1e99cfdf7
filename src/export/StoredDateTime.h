#pragma once
#include <QDate>
#include <QString>
#include <QTime>

// Reading the stored date and time texts of a band's rows in bulk. The common
// written forms (yyyy-MM-dd, HH:mm) are read directly, and a date text equal to
// the previous one is not parsed again; anything else goes to LogFormats.
class StoredDateTime
{
public:
    QDate date(const QString &stored);
    static QTime time(const QString &stored);

private:
    QString m_lastText;
    QDate m_lastDate;
};
