#include "contest/ContestDatabase.h"

#include "contest/ContestSettings.h"
#include "platform/SafeFile.h"
#include "platform/SqliteDatabase.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>

namespace ContestDatabase {

const QStringList &logColumns()
{
    static const QStringList cols = {
        QStringLiteral("ID"),      QStringLiteral("Time"),    QStringLiteral("Call"),
        QStringLiteral("RSTs"),    QStringLiteral("NrS"),     QStringLiteral("Mode"),
        QStringLiteral("RSTr"),    QStringLiteral("NrR"),     QStringLiteral("Loc"),
        QStringLiteral("QRB"),     QStringLiteral("Bearing"), QStringLiteral("QSOs"),
        QStringLiteral("ODX"),     QStringLiteral("Date"),    QStringLiteral("Points"),
        QStringLiteral("Dupla"),   QStringLiteral("Longitu"), QStringLiteral("Latitu"),
        QStringLiteral("DXCCd"),   QStringLiteral("Dodatak1"), QStringLiteral("Dodatak2"),
        QStringLiteral("Dodatak3"),
    };
    return cols;
}

namespace {

const QSet<QString> &longLogColumns()
{
    static const QSet<QString> cols = {
        QStringLiteral("RSTs"), QStringLiteral("NrS"), QStringLiteral("RSTr"), QStringLiteral("NrR"),
        QStringLiteral("QRB"), QStringLiteral("Bearing"), QStringLiteral("QSOs"), QStringLiteral("ODX"),
        QStringLiteral("Points"),
    };
    return cols;
}

// The one place where the two engines' schema texts differ: the auto-number column.
// Column names are left unquoted, so PostgreSQL folds them to lower case and every
// unquoted statement of the program finds them.
QString createStatement(Engine engine, const QString &table, const QStringList &cols, const QSet<QString> &longCols)
{
    QStringList defs;
    for (const QString &c : cols) {
        if (c == QLatin1String("ID"))
            defs << (engine == Engine::Postgres ? QStringLiteral("ID SERIAL PRIMARY KEY")
                                                : QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT"));
        else
            defs << c + (longCols.contains(c) ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table, defs.join(QStringLiteral(", ")));
}

bool hasColumns(QSqlDatabase db, const QString &table, const QStringList &cols, QString *error)
{
    const QSqlRecord record = db.record(table);
    if (record.isEmpty()) {
        if (error)
            *error = db.lastError().isValid() && !db.lastError().text().trimmed().isEmpty()
                         ? db.lastError().text()
                         : QStringLiteral("table %1 is missing").arg(table);
        return false;
    }
    for (const QString &c : cols) {
        if (!record.contains(c)) { // field names compare without letter case
            if (error)
                *error = QStringLiteral("column %1.%2 is missing").arg(table, c);
            return false;
        }
    }
    return true;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString queryError(const QSqlQuery &q, QSqlDatabase db)
{
    return q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
}

// Copies every row of `table` (IDs kept) from `from` into `to`, inside their open transactions.
bool copyRows(QSqlDatabase from, QSqlDatabase to, const QString &table, const QStringList &cols, QString *error)
{
    QSqlQuery read(from);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY ID").arg(cols.join(u','), table))) {
        setError(error, queryError(read, from));
        return false;
    }
    QStringList marks;
    for (int i = 0; i < cols.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery write(to);
    if (!write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, cols.join(u','), marks.join(u',')))) {
        setError(error, queryError(write, to));
        return false;
    }
    while (read.next()) {
        for (int i = 0; i < cols.size(); ++i)
            write.bindValue(i, read.value(i));
        if (!write.exec()) {
            setError(error, queryError(write, to));
            return false;
        }
    }
    if (read.lastError().isValid()) {
        setError(error, read.lastError().text());
        return false;
    }
    return true;
}

// Both tables of a contest, rows and IDs as they are; the two open transactions are the callers'.
bool copyContest(QSqlDatabase from, QSqlDatabase to, QString *error)
{
    return copyRows(from, to, QStringLiteral("takmicenje"), logColumns(), error)
           && copyRows(from, to, QStringLiteral("postavke"), ContestSettingsTable::columns(), error);
}

QAtomicInt serverConnections;

}

Engine engine(QSqlDatabase db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::Postgres : Engine::Sqlite;
}

bool createTables(QSqlDatabase db, QString *error)
{
    const Engine e = engine(db);
    if (!db.transaction()) {
        setError(error, db.lastError().text());
        return false;
    }
    QSqlQuery q(db);
    const bool ok = q.exec(createStatement(e, QStringLiteral("takmicenje"), logColumns(), longLogColumns()))
                    && q.exec(createStatement(e, QStringLiteral("postavke"), ContestSettingsTable::columns(), {}));
    if (!ok || !db.commit()) {
        setError(error, queryError(q, db));
        db.rollback();
        return false;
    }
    return true;
}

bool hasTables(QSqlDatabase db, QString *error)
{
    return hasColumns(db, QStringLiteral("takmicenje"), logColumns(), error)
           && hasColumns(db, QStringLiteral("postavke"), ContestSettingsTable::columns(), error);
}

bool lockBand(QSqlDatabase db, const QString &band, QString *error)
{
    if (engine(db) != Engine::Postgres)
        return true;
    // One lock per band label, held until commit or rollback; the two-key form keeps
    // these locks apart from any other user of advisory locks in the same database.
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(20260, hashtext(?))"));
    q.addBindValue(band.trimmed());
    if (!q.exec()) {
        setError(error, queryError(q, db));
        return false;
    }
    return true;
}

bool checkNewQso(QSqlDatabase db, const QString &band, const QString &bandCondition, const QString &bandPattern,
                 const QString &call, qint64 serial, std::optional<CommittedBand> &committed, QString *error)
{
    committed.reset();
    if (engine(db) != Engine::Postgres)
        return true;
    if (!lockBand(db, band, error))
        return false;
    // One pass over the band, holding its lock: the totals without the new row, the
    // highest serial, and what the serial and the call meet among the committed rows.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT COUNT(*), SUM(QRB), MAX(QRB), MAX(NrS), "
                                  "SUM(CASE WHEN NrS = ? THEN 1 ELSE 0 END), "
                                  "SUM(CASE WHEN TRIM(Call) = ? THEN 1 ELSE 0 END), "
                                  "SUM(CASE WHEN TRIM(Call) = ? AND NrS = ? THEN 1 ELSE 0 END) "
                                  "FROM takmicenje WHERE %1")
                       .arg(bandCondition))) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        return false;
    }
    q.addBindValue(serial);
    q.addBindValue(call);
    q.addBindValue(call);
    q.addBindValue(serial);
    q.addBindValue(bandPattern);
    if (!q.exec() || !q.next()) {
        setError(error, SqliteDatabase::errorReason(q.lastError()));
        return false;
    }
    CommittedBand c;
    c.count = q.value(0).toLongLong();
    c.points = q.value(1).toLongLong();
    c.odx = q.value(2).toLongLong();
    const qint64 highestSerial = q.value(3).toLongLong();
    const bool serialTaken = q.value(4).toLongLong() > 0;
    const qint64 sameCall = q.value(5).toLongLong();
    const qint64 sameCallSameSerial = q.value(6).toLongLong();
    q.finish();
    // A serial another PC has stored on the band meanwhile is never stored twice.
    c.serial = serialTaken ? highestSerial + 1 : serial;
    // The entry line's duplicate test (same call, another serial sent) on the committed rows.
    const qint64 matches = serialTaken ? sameCall : sameCall - sameCallSameSerial;
    c.duplicate = matches > 0 && !call.isEmpty();
    committed = c;
    return true;
}

QString notificationChannel()
{
    return QStringLiteral("brelog_contest");
}

QString everythingChanged()
{
    return QStringLiteral("*");
}

QString settingsChanged()
{
    return QStringLiteral("postavke");
}

bool announce(QSqlDatabase db, const QString &what, QString *error)
{
    if (engine(db) != Engine::Postgres)
        return true;
    // Delivered to the listeners only when the transaction commits, and not at all on rollback.
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT pg_notify(?, ?)"));
    q.addBindValue(notificationChannel());
    q.addBindValue(what.trimmed());
    if (!q.exec()) {
        setError(error, queryError(q, db));
        return false;
    }
    return true;
}

bool copyToFile(QSqlDatabase db, const QString &target, QString *error)
{
    if (engine(db) == Engine::Sqlite)
        return SqliteDatabase::copyTo(db, target, error);
    const QString tmp = target + QStringLiteral(".part");
    QFile::remove(tmp);
    if (!createFile(tmp, error))
        return false;
    QSqlDatabase copy = SqliteDatabase::open(tmp, QStringLiteral("contest-server-copy"), error, false);
    if (!copy.isValid()) {
        QFile::remove(tmp);
        return false;
    }
    bool ok = false;
    {
        // Both tables from one snapshot, whatever the other PCs commit meanwhile.
        QSqlQuery snapshot(db);
        ok = db.transaction();
        if (!ok)
            setError(error, db.lastError().text());
        ok = ok && snapshot.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ READ ONLY"));
        if (!ok && snapshot.lastError().isValid())
            setError(error, snapshot.lastError().text());
        ok = ok && copy.transaction() && copyContest(db, copy, error);
        if (ok && !copy.commit()) {
            setError(error, copy.lastError().text());
            ok = false;
        }
        if (!ok)
            copy.rollback();
        db.rollback(); // read only: nothing to keep
    }
    SqliteDatabase::close(copy);
    if (ok)
        ok = SafeFile::replace(tmp, target, error);
    if (!ok)
        QFile::remove(tmp);
    return ok;
}

bool replaceSharedContest(QSqlDatabase db, const QString &source, QString *error)
{
    if (engine(db) != Engine::Postgres) {
        setError(error, QStringLiteral("not a shared contest database"));
        return false;
    }
    QSqlDatabase from;
    if (!source.isEmpty()) {
        if (!isContestDatabase(source, error))
            return false;
        from = SqliteDatabase::open(source, QStringLiteral("contest-shared-source"), error, false);
        if (!from.isValid())
            return false;
    }
    bool ok = db.transaction();
    if (!ok)
        setError(error, db.lastError().text());
    {
        QSqlQuery q(db);
        auto run = [&](const QString &statement) {
            if (ok && !q.exec(statement)) {
                setError(error, queryError(q, db));
                ok = false;
            }
        };
        // No save of another PC runs half on the old and half on the new contest.
        run(QStringLiteral("LOCK TABLE takmicenje, postavke IN ACCESS EXCLUSIVE MODE"));
        run(QStringLiteral("DELETE FROM takmicenje"));
        run(QStringLiteral("DELETE FROM postavke"));
        if (ok && from.isValid())
            ok = from.transaction() && copyContest(from, db, error);
        // Rows brought in keep their IDs; new rows continue after the highest.
        for (const char *table : {"takmicenje", "postavke"})
            run(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), COALESCE(MAX(ID), 0) + 1, false) "
                               "FROM %1").arg(QLatin1String(table)));
        ok = ok && announce(db, everythingChanged(), error);
    }
    if (ok && !db.commit()) {
        setError(error, db.lastError().text());
        ok = false;
    }
    if (!ok)
        db.rollback();
    if (from.isValid()) {
        from.rollback();
        SqliteDatabase::close(from);
    }
    return ok;
}

void close(QSqlDatabase &db)
{
    if (!db.isValid() || engine(db) == Engine::Sqlite) {
        SqliteDatabase::close(db);
        return;
    }
    const QString name = db.connectionName();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool isServerUrl(const QString &location)
{
    const QString l = location.trimmed();
    return l.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || l.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString displayUrl(const QString &url)
{
    return QUrl(url.trimmed()).toString(QUrl::RemovePassword);
}

QSqlDatabase openServer(const QString &url, QString *error)
{
    const QUrl u(url.trimmed());
    const QString name = u.path().mid(1);
    if (!isServerUrl(url) || !u.isValid() || u.host().isEmpty() || name.isEmpty() || name.contains(u'/')) {
        setError(error, QStringLiteral("\"%1\" is not a database address of the form "
                                       "postgresql://user@host:port/name").arg(displayUrl(url)));
        return {};
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        setError(error, QStringLiteral("the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)"));
        return {};
    }
    const QString connection =
        QStringLiteral("contest-server-%1").arg(serverConnections.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(u.host());
    db.setPort(u.port(5432));
    db.setDatabaseName(name);
    db.setUserName(u.userName());
    db.setPassword(u.password());
    // A server that cannot be reached is reported within seconds, and a connection
    // whose peer vanished (a cable pulled) fails a statement within seconds instead of
    // hanging on unanswered packets.
    QStringList options = {QStringLiteral("connect_timeout=3"), QStringLiteral("keepalives_idle=10"),
                           QStringLiteral("keepalives_interval=5"), QStringLiteral("keepalives_count=2"),
                           QStringLiteral("tcp_user_timeout=5000"),
                           QStringLiteral("application_name=brelog")};
    for (const auto &[key, value] : QUrlQuery(u).queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("sslmode") || key == QLatin1String("sslrootcert")
            || key == QLatin1String("connect_timeout"))
            options << key + u'=' + value;
    }
    db.setConnectOptions(options.join(u';'));
    auto fail = [&](const QString &reason) {
        setError(error, QStringLiteral("%1: %2").arg(displayUrl(url), reason.simplified()));
        close(db);
        return QSqlDatabase();
    };
    if (!db.open())
        return fail(db.lastError().text());
    QString reason;
    if (!hasTables(db, &reason)) {
        const QStringList existing = db.tables();
        if (existing.contains(QStringLiteral("takmicenje")) || existing.contains(QStringLiteral("postavke")))
            return fail(QStringLiteral("not a Brelog contest database (%1)").arg(reason));
        // A fresh database: the first PC that connects creates the contest in it.
        if (!createTables(db, &reason) && !hasTables(db, nullptr))
            return fail(reason);
    }
    return db;
}

bool createFile(const QString &path, QString *error)
{
    if (QFileInfo::exists(path)) {
        setError(error, QStringLiteral("%1 already exists").arg(path));
        return false;
    }
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("contest-create"), error);
    if (!db.isValid())
        return false;
    const bool ok = createTables(db, error);
    SqliteDatabase::close(db);
    if (!ok)
        QFile::remove(path);
    return ok;
}

QSqlDatabase open(const QString &path, QString *error)
{
    return SqliteDatabase::open(path, QStringLiteral("contest"), error);
}

bool isContestDatabase(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    if (f.read(16) != QByteArray("SQLite format 3\0", 16)) {
        if (error)
            *error = QStringLiteral("%1: not an SQLite database").arg(path);
        return false;
    }
    f.close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("contest-check"));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    bool ok = db.open();
    if (!ok && error)
        *error = db.lastError().text();
    if (ok)
        ok = hasTables(db, error);
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("contest-check"));
    return ok;
}

}

namespace ContestDatabase {

bool storedBands(QSqlDatabase db, QStringList &bands, QString *error)
{
    bands.clear();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Band FROM postavke ORDER BY ID"))) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    while (q.next())
        bands << q.value(0).toString();
    return true;
}

}
