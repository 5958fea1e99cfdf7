#include "callinfo/LogSearch.h"

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
    q.prepare(QStringLiteral("SELECT ID, Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, QSOs, ODX, "
                             "Date, Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1 FROM takmicenje "
                             "WHERE %1 LIKE ? ESCAPE '\\' AND Dodatak1 LIKE ? ESCAPE '\\' ORDER BY %1, ID")
                  .arg(QLatin1String(column)));
    q.addBindValue(containsPattern(text));
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

QString containsPattern(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    t.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + t + QLatin1Char('%');
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
