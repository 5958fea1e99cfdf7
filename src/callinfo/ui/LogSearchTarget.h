#pragma once
#include "contestlog/QsoRow.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// What the log search windows need from the main window.
class LogSearchTarget
{
public:
    virtual ~LogSearchTarget() = default;
    // The contest database connection.
    virtual QSqlDatabase database() = 0;
    // The band of the band selector, trimmed.
    virtual QString band() const = 0;
    // The log grid lists exactly `rows` (never empty), and the first of them is loaded
    // into the entry line for editing, in edit mode ("I"), so that Enter updates it.
    virtual void showSearchResult(const QVector<QsoRow> &rows) = 0;
};
