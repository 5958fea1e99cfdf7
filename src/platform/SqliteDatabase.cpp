#include "platform/SqliteDatabase.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt connectionCounter;
}

namespace SqliteDatabase {

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
            *error = q.lastError().text();
        QFile::remove(tmp);
        return false;
    }
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        if (error)
            *error = QStringLiteral("%1: cannot replace the file").arg(target);
        QFile::remove(tmp);
        return false;
    }
    if (!QFile::rename(tmp, target)) {
        if (error)
            *error = QStringLiteral("%1: cannot write the file").arg(target);
        QFile::remove(tmp);
        return false;
    }
    return true;
}

}
