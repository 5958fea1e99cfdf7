#include "contestlog/LogSearch.h"

#include "contestlog/LogStore.h"

#include <QSqlError>
#include <QSqlQuery>

namespace LogSearch {

namespace {

bool search(QSqlDatabase db, const char *column, const QString &band, const QString &text, QVector<QsoRow> &rows,
            QString *error)
{
    rows.clear();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM takmicenje WHERE %2 LIKE ? ESCAPE '\\' AND %3 ORDER BY %2, ID")
                  .arg(LogStore::rowColumns(), QLatin1String(column), LogStore::bandCondition()));
    q.addBindValue(LogStore::containsPattern(text));
    q.addBindValue(LogStore::bandPattern(band));
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    while (q.next())
        rows.append(LogStore::rowFromQuery(q));
    return true;
}

}

bool byCall(QSqlDatabase db, const QString &band, const QString &text, QVector<QsoRow> &rows, QString *error)
{
    return search(db, "Call", band, text, rows, error);
}

bool byLocator(QSqlDatabase db, const QString &band, const QString &text, QVector<QsoRow> &rows, QString *error)
{
    return search(db, "Loc", band, text, rows, error);
}

}
