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
    // The rollback journal keeps a closed database a single file that can be copied.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) || !q.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
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
