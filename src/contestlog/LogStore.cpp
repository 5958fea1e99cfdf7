#include "contestlog/LogStore.h"

#include "contest/ContestDatabase.h"
#include "platform/SqliteDatabase.h"

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

// A statement that cannot be prepared (a missing table, a closed connection) says so;
// binding values to it would only report a "Parameter count mismatch".
bool prepare(QSqlQuery &q, const QString &sql, QString *error)
{
    if (q.prepare(sql))
        return true;
    setError(error, SqliteDatabase::errorReason(q.lastError()));
    return false;
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

QString LogStore::bandCondition()
{
    return QLatin1String(kBandCondition);
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
    return selectRows(QStringLiteral("SELECT %1 FROM takmicenje WHERE %2 ORDER BY ID")
                          .arg(QLatin1String(kColumns), QLatin1String(kBandCondition)),
                      {bandPattern(band)}, rows, error);
}

bool LogStore::bandRowsContaining(const QString &band, const char *column, const QString &text,
                                  QVector<QsoRow> &rows, QString *error) const
{
    return selectRows(QStringLiteral("SELECT %1 FROM takmicenje WHERE %2 LIKE ? ESCAPE '\\' AND %3 ORDER BY %2, ID")
                          .arg(QLatin1String(kColumns), QLatin1String(column), QLatin1String(kBandCondition)),
                      {containsPattern(text), bandPattern(band)}, rows, error);
}

bool LogStore::selectRows(const QString &sql, const QVariantList &values, QVector<QsoRow> &rows,
                          QString *error) const
{
    rows.clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!prepare(q, sql, error))
        return false;
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
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
    if (!prepare(q, QStringLiteral("SELECT COUNT(*), SUM(QRB), MAX(QRB) FROM takmicenje WHERE %1")
                        .arg(QLatin1String(kBandCondition)), error))
        return false;
    q.addBindValue(bandPattern(band));
    if (!q.exec() || !q.next()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
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
    if (!prepare(q, QStringLiteral("SELECT MIN(QRB) FROM takmicenje WHERE %1").arg(QLatin1String(kBandCondition)),
                 error))
        return std::nullopt;
    q.addBindValue(bandPattern(band));
    if (!q.exec() || !q.next()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        return std::nullopt;
    }
    if (q.value(0).isNull())
        return std::nullopt;
    return q.value(0).toLongLong();
}

bool LogStore::begin(QString *error)
{
    if (!m_db.isOpen()) {
        setError(error, QStringLiteral("the database is not open"));
        return false;
    }
    if (!m_db.transaction()) {
        const QString reason = SqliteDatabase::errorReason(m_db.lastError()).trimmed();
        setError(error, ContestDatabase::isShared(m_db)
                            ? QStringLiteral("the contest database server cannot be reached (%1)").arg(reason)
                            : reason);
        return false;
    }
    return true;
}

bool LogStore::commit(QString *error)
{
    if (m_db.commit())
        return true;
    setError(error, SqliteDatabase::errorReason(m_db.lastError()));
    m_db.rollback();
    return false;
}

void LogStore::rollback()
{
    m_db.rollback();
}

std::optional<QsoRow> LogStore::insertInTransaction(const QsoEntry &qso, QString *error)
{
    QSqlQuery q(m_db);
    // RETURNING gives the new ID on both engines (PostgreSQL has no row OID to report).
    if (!prepare(q, QStringLiteral("INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, "
                                   "Bearing, QSOs, ODX, Date, Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1) "
                                   "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?) RETURNING ID"),
                 error))
        return std::nullopt;
    bindEntry(q, qso);
    if (!q.exec() || !q.next()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        return std::nullopt;
    }
    const qint64 id = q.value(0).toLongLong();
    q.finish();
    QString announceError;
    if (!ContestDatabase::announce(m_db, qso.band, &announceError)) {
        setError(error, announceError);
        return std::nullopt;
    }
    return storedForm(qso, id);
}

std::optional<QsoRow> LogStore::insert(const QsoEntry &qso, QString *error)
{
    if (!begin(error))
        return std::nullopt;
    std::optional<QsoRow> row = insertInTransaction(qso, error);
    if (!row || !commit(error)) {
        rollback();
        return std::nullopt;
    }
    return row;
}

std::optional<QsoRow> LogStore::save(const QsoEntry &entry, QString *error)
{
    if (!begin(error))
        return std::nullopt;
    QsoEntry e = entry;
    // Only a shared database answers: what the other PCs committed on the band decides.
    std::optional<ContestDatabase::CommittedBand> committed;
    if (!ContestDatabase::checkNewQso(m_db, e.band, QLatin1String(kBandCondition), bandPattern(e.band), e.call, e.nrs,
                                      committed, error)) {
        rollback();
        return std::nullopt;
    }
    if (committed) {
        e.qsos = committed->count;
        e.points = committed->points;
        e.odx = committed->odx;
        e.nrs = committed->serial;
        if (committed->duplicate) {
            e.dupla = QStringLiteral("D");
            e.qrb = 0;
        }
    }
    std::optional<QsoRow> row = insertInTransaction(e, error);
    if (!row || !commit(error)) {
        rollback();
        return std::nullopt;
    }
    return row;
}

// The band row `id` is stored on, announced with the change (empty when there is no such row).
QString LogStore::storedBand(qint64 id, QString *error) const
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!prepare(q, QStringLiteral("SELECT Dodatak1 FROM takmicenje WHERE ID=?"), error))
        return QString();
    q.addBindValue(id);
    if (!q.exec()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        return QString();
    }
    return q.next() ? q.value(0).toString() : QStringLiteral("");
}

std::optional<QsoRow> LogStore::update(qint64 id, const QsoEntry &qso, QString *error)
{
    if (!begin(error))
        return std::nullopt;
    const QString oldBand = storedBand(id, error);
    QSqlQuery q(m_db);
    if (!prepare(q, QStringLiteral("UPDATE takmicenje SET Time=?, Call=?, RSTs=?, NrS=?, Mode=?, RSTr=?, NrR=?, "
                                   "Loc=?, QRB=?, Bearing=?, QSOs=?, ODX=?, Date=?, Points=?, Dupla=?, Longitu=?, "
                                   "Latitu=?, DXCCd=?, Dodatak1=? WHERE ID=?"),
                 error)) {
        m_db.rollback();
        return std::nullopt;
    }
    bindEntry(q, qso);
    q.addBindValue(id);
    bool ok = !oldBand.isNull() && q.exec();
    if (!ok && q.lastError().isValid())
        setError(error, SqliteDatabase::errorReason(q.lastError()));
    if (ok && q.numRowsAffected() < 1) {
        // Deleted meanwhile (on another PC): reporting it saved would lose the change.
        setError(error, QStringLiteral("QSO %1 is no longer in the log").arg(id));
        ok = false;
    }
    ok = ok && ContestDatabase::announce(m_db, qso.band, error);
    if (ok && oldBand.trimmed() != qso.band.trimmed() && !oldBand.trimmed().isEmpty())
        ok = ContestDatabase::announce(m_db, oldBand, error);
    if (!ok || !commit(error)) {
        rollback();
        return std::nullopt;
    }
    return storedForm(qso, id);
}

bool LogStore::remove(qint64 id, QString *error)
{
    if (!begin(error))
        return false;
    const QString band = storedBand(id, error);
    QSqlQuery q(m_db);
    if (!prepare(q, QStringLiteral("DELETE FROM takmicenje WHERE ID=?"), error)) {
        m_db.rollback();
        return false;
    }
    q.addBindValue(id);
    bool ok = !band.isNull() && q.exec();
    if (!ok && q.lastError().isValid())
        setError(error, SqliteDatabase::errorReason(q.lastError()));
    if (ok && !band.trimmed().isEmpty())
        ok = ContestDatabase::announce(m_db, band, error);
    if (!ok || !commit(error)) {
        rollback();
        return false;
    }
    return true;
}
