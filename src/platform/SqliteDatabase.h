#pragma once
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// Opening SQLite files the way every Brelog database is used: one named QtSql
// connection per file, rollback journal, synchronous=FULL, so that a committed change
// survives a crash and a closed file is a single self-contained file.
namespace SqliteDatabase {

// Opens (and creates when missing, if allowed) the file under a fresh connection
// name derived from `prefix`. Returns an invalid database and sets `error` on failure.
QSqlDatabase open(const QString &path, const QString &prefix, QString *error,
                  bool mayCreate = true);

// The reason of a failed statement: "disk full" for a full disk, a plain sentence for
// a read-only file, the driver's text otherwise.
QString errorReason(const QSqlError &error);

// True when changes can reach the file of `db` (the file and its folder are
// writable); false with the reason otherwise. Leaves the database unchanged.
bool checkWritable(QSqlDatabase db, QString *error);

// Closes the connection and removes it from QtSql. Every query on it must be gone.
void close(QSqlDatabase &db);

// Copies the open database into `target` with SQLite's own VACUUM INTO, so the copy
// is consistent while the connection stays open. An existing target is replaced only
// after the copy succeeded.
bool copyTo(QSqlDatabase db, const QString &target, QString *error);

}
