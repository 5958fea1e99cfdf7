#include "platform/SqliteDatabase.h"

#include "platform/SafeFile.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>

namespace {
QAtomicInt connectionCounter;
}

namespace SqliteDatabase {

QString errorReason(const QSqlError &error)
{
    // SQLITE_FULL and SQLITE_READONLY say what happened in words a person can act on.
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("13"))
        return SafeFile::reason(ENOSPC);
    if (code == QLatin1String("8"))
        return QStringLiteral("the file or its folder is read-only");
    // What QtSql says for a connection that was never opened (a database refused at start).
    const QString text = error.text().trimmed();
    if (text.isEmpty() || text.startsWith(QLatin1String("Driver not loaded")))
        return QStringLiteral("the database is not open");
    return error.text();
}

QSqlDatabase open(const QString &path, const QString &prefix, QString *error, bool mayCreate)
{
    if (!mayCreate && !QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1: file not found").arg(path);
        return {};
    }
    const QString name = QStringLiteral("%1-%2").arg(prefix).arg(connectionCounter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return {};
    }
    QSqlQuery q(db);
    // A rollback journal with full syncs: a committed change survives a crash. While
    // the file is open the journal is kept between transactions (creating and deleting
    // it costs more than the writes themselves); closing goes back to deleting it, so a
    // closed database is a single file that can be copied.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=PERSIST")) || !q.exec(QStringLiteral("PRAGMA synchronous=FULL"))
        || !q.exec(QStringLiteral("PRAGMA journal_size_limit=1048576"))) {
        if (error)
            *error = q.lastError().text();
        q = QSqlQuery();
        close(db);
        return {};
    }
    return db;
}

bool checkWritable(QSqlDatabase db, QString *error)
{
    // Rewriting the header's user version inside a transaction that is rolled back
    // touches the file and the journal the way a saved QSO does, and changes nothing.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        if (error)
            *error = errorReason(q.lastError());
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (!db.transaction()) {
        if (error)
            *error = errorReason(db.lastError());
        return false;
    }
    const bool ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    if (!ok && error)
        *error = errorReason(q.lastError());
    db.rollback();
    return ok;
}

void close(QSqlDatabase &db)
{
    if (!db.isValid())
        return;
    const QString name = db.connectionName();
    if (db.isOpen()) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

bool copyTo(QSqlDatabase db, const QString &target, QString *error)
{
    const QString tmp = target + QStringLiteral(".part");
    QFile::remove(tmp);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(tmp);
    if (!q.exec()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(target, errorReason(q.lastError()));
        q = QSqlQuery();
        QFile::remove(tmp);
        return false;
    }
    q = QSqlQuery();
    // VACUUM INTO does not sync its output: the copy reaches the disk before it takes
    // the name, and the old copy is replaced by a rename, never deleted first.
    if (!SafeFile::sync(tmp, error) || !SafeFile::replace(tmp, target, error)) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

}
