#include "stats/StatsLog.h"

#include "contestlog/LogStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace StatsLog {

namespace {

bool run(QSqlDatabase db, QSqlQuery &q, const char *columns, const QString &band, QString *error)
{
    q = QSqlQuery(db);
    q.setForwardOnly(true);
    // A statement that cannot be prepared says why, not "Parameter count mismatch".
    if (q.prepare(QStringLiteral("SELECT %1 FROM takmicenje WHERE %2 ORDER BY ID")
                      .arg(QLatin1String(columns), LogStore::bandCondition()))) {
        q.addBindValue(LogStore::bandPattern(band));
        if (q.exec())
            return true;
    }
    if (error)
        *error = q.lastError().text();
    return false;
}

}

std::optional<qint64> shortestQrb(QSqlDatabase db, const QString &band, QString *error)
{
    return LogStore(db).minimumQrb(band, error);
}

bool distances(QSqlDatabase db, const QString &band, QVector<DistanceRow> &rows, QString *error)
{
    rows.clear();
    QSqlQuery q;
    if (!run(db, q, "Call, QRB", band, error))
        return false;
    while (q.next()) {
        // The chart value is a 16-bit number; a QRB beyond it is clamped, not wrapped.
        const qint64 qrb = q.value(1).toLongLong();
        rows.append({q.value(0).toString().trimmed(), int(std::clamp<qint64>(qrb, -32768, 32767))});
    }
    return true;
}

bool bearings(QSqlDatabase db, const QString &band, QVector<float> &out, QString *error)
{
    out.clear();
    QSqlQuery q;
    if (!run(db, q, "Bearing", band, error))
        return false;
    while (q.next()) {
        const QVariant v = q.value(0);
        bool ok = false;
        const float b = v.toString().trimmed().toFloat(&ok);
        if (!v.isNull() && ok)
            out.append(b);
    }
    return true;
}

bool positions(QSqlDatabase db, const QString &band, QVector<PositionText> &rows, QString *error)
{
    rows.clear();
    QSqlQuery q;
    if (!run(db, q, "Latitu, Longitu", band, error))
        return false;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString()});
    return true;
}

bool countryMarkers(QSqlDatabase db, const QString &band, QStringList &out, QString *error)
{
    out.clear();
    QSqlQuery q;
    if (!run(db, q, "DXCCd", band, error))
        return false;
    while (q.next())
        out.append(q.value(0).toString());
    return true;
}

bool locators(QSqlDatabase db, const QString &band, QStringList &out, QString *error)
{
    out.clear();
    QSqlQuery q;
    if (!run(db, q, "Loc", band, error))
        return false;
    while (q.next())
        out.append(q.value(0).toString());
    return true;
}

}
