#include "contestlog/LogStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char *const kColumns =
    "ID, Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, QSOs, ODX, Date, Points, "
    "Dupla, Longitu, Latitu, DXCCd, Dodatak1";

const char *const kBandCondition = "Dodatak1 LIKE ? ESCAPE '\\'";

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString blank(const QString &text)
{
    return text + QLatin1Char(' ');
}

void bindEntry(QSqlQuery &q, const QsoEntry &e)
{
    q.addBindValue(blank(e.time));
    q.addBindValue(blank(e.call));
    q.addBindValue(e.rsts);
    q.addBindValue(e.nrs);
    q.addBindValue(blank(e.mode));
    q.addBindValue(e.rstr);
    q.addBindValue(e.nrr);
    q.addBindValue(blank(e.loc));
    q.addBindValue(e.qrb);
    q.addBindValue(e.bearing);
    q.addBindValue(e.qsos);
    q.addBindValue(e.odx);
    q.addBindValue(blank(e.date));
    q.addBindValue(e.points);
    q.addBindValue(blank(e.dupla));
    q.addBindValue(blank(e.longitu));
    q.addBindValue(blank(e.latitu));
    q.addBindValue(blank(e.dxccd));
    q.addBindValue(blank(e.band));
}

}

LogStore::LogStore(QSqlDatabase db) : m_db(db) {}

QString LogStore::containsPattern(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    t.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + t + QLatin1Char('%');
}

QString LogStore::bandPattern(const QString &band)
{
    return containsPattern(band.trimmed());
}

QString LogStore::rowColumns()
{
    return QLatin1String(kColumns);
}

QsoRow LogStore::storedForm(const QsoEntry &e, qint64 id)
{
    QsoRow r;
    r.id = id;
    r.time = blank(e.time);
    r.call = blank(e.call);
    r.rsts = QString::number(e.rsts);
    r.nrs = QString::number(e.nrs);
    r.mode = blank(e.mode);
    r.rstr = QString::number(e.rstr);
    r.nrr = QString::number(e.nrr);
    r.loc = blank(e.loc);
    r.qrb = QString::number(e.qrb);
    r.bearing = QString::number(e.bearing);
    r.qsos = QString::number(e.qsos);
    r.odx = QString::number(e.odx);
    r.date = blank(e.date);
    r.points = QString::number(e.points);
    r.dupla = blank(e.dupla);
    r.longitu = blank(e.longitu);
    r.latitu = blank(e.latitu);
    r.dxccd = blank(e.dxccd);
    r.dodatak1 = blank(e.band);
    return r;
}

QsoRow LogStore::rowFromQuery(const QSqlQuery &q)
{
    QsoRow r;
    r.id = q.value(0).toLongLong();
    r.time = q.value(1).toString();
    r.call = q.value(2).toString();
    r.rsts = q.value(3).toString();
    r.nrs = q.value(4).toString();
    r.mode = q.value(5).toString();
    r.rstr = q.value(6).toString();
    r.nrr = q.value(7).toString();
    r.loc = q.value(8).toString();
    r.qrb = q.value(9).toString();
    r.bearing = q.value(10).toString();
    r.qsos = q.value(11).toString();
    r.odx = q.value(12).toString();
    r.date = q.value(13).toString();
    r.points = q.value(14).toString();
    r.dupla = q.value(15).toString();
    r.longitu = q.value(16).toString();
    r.latitu = q.value(17).toString();
    r.dxccd = q.value(18).toString();
    r.dodatak1 = q.value(19).toString();
    return r;
}

bool LogStore::bandRows(const QString &band, QVector<QsoRow> &rows, QString *error) const
{
    rows.clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM takmicenje WHERE %2 ORDER BY ID")
                  .arg(QLatin1String(kColumns), QLatin1String(kBandCondition)));
    q.addBindValue(bandPattern(band));
    if (!q.exec()) {
        setError(error, q.lastError().text());
        return false;
    }
    while (q.next())
        rows.append(rowFromQuery(q));
    return true;
}

bool LogStore::totals(const QString &band, Totals &t, QString *error) const
{
    t = {};
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT COUNT(*), SUM(QRB), MAX(QRB) FROM takmicenje WHERE %1")
                  .arg(QLatin1String(kBandCondition)));
    q.addBindValue(bandPattern(band));
    if (!q.exec() || !q.next()) {
        setError(error, q.lastError().text());
        return false;
    }
    t.count = q.value(0).toLongLong();
    t.points = q.value(1).isNull() ? 0 : q.value(1).toLongLong();
    t.odx = q.value(2).isNull() ? 0 : q.value(2).toLongLong();
    return true;
}

std::optional<qint64> LogStore::minimumQrb(const QString &band, QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT MIN(QRB) FROM takmicenje WHERE %1").arg(QLatin1String(kBandCondition)));
    q.addBindValue(bandPattern(band));
    if (!q.exec() || !q.next()) {
        setError(error, q.lastError().text());
        return std::nullopt;
    }
    if (q.value(0).isNull())
        return std::nullopt;
    return q.value(0).toLongLong();
}

std::optional<QsoRow> LogStore::insert(const QsoEntry &qso, QString *error)
{
    if (!m_db.transaction()) {
        setError(error, m_db.lastError().text());
        return std::nullopt;
    }
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, "
                             "Bearing, QSOs, ODX, Date, Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1) "
                             "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    bindEntry(q, qso);
    if (!q.exec()) {
        setError(error, q.lastError().text());
        m_db.rollback();
        return std::nullopt;
    }
    const qint64 id = q.lastInsertId().toLongLong();
    if (!m_db.commit()) {
        setError(error, m_db.lastError().text());
        m_db.rollback();
        return std::nullopt;
    }
    return storedForm(qso, id);
}

std::optional<QsoRow> LogStore::update(qint64 id, const QsoEntry &qso, QString *error)
{
    if (!m_db.transaction()) {
        setError(error, m_db.lastError().text());
        return std::nullopt;
    }
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE takmicenje SET Time=?, Call=?, RSTs=?, NrS=?, Mode=?, RSTr=?, NrR=?, "
                             "Loc=?, QRB=?, Bearing=?, QSOs=?, ODX=?, Date=?, Points=?, Dupla=?, Longitu=?, "
                             "Latitu=?, DXCCd=?, Dodatak1=? WHERE ID=?"));
    bindEntry(q, qso);
    q.addBindValue(id);
    if (!q.exec()) {
        setError(error, q.lastError().text());
        m_db.rollback();
        return std::nullopt;
    }
    if (!m_db.commit()) {
        setError(error, m_db.lastError().text());
        m_db.rollback();
        return std::nullopt;
    }
    return storedForm(qso, id);
}

bool LogStore::remove(qint64 id, QString *error)
{
    if (!m_db.transaction()) {
        setError(error, m_db.lastError().text());
        return false;
    }
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM takmicenje WHERE ID=?"));
    q.addBindValue(id);
    if (!q.exec() || !m_db.commit()) {
        setError(error, q.lastError().isValid() ? q.lastError().text() : m_db.lastError().text());
        m_db.rollback();
        return false;
    }
    return true;
}
