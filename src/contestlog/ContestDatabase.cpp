#include "contestlog/ContestDatabase.h"

#include "contest/ContestSettings.h"
#include "platform/SqliteDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

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

QString createStatement(const QString &table, const QStringList &cols, const QSet<QString> &longCols)
{
    QStringList defs;
    for (const QString &c : cols) {
        if (c == QLatin1String("ID"))
            defs << QStringLiteral("ID INTEGER PRIMARY KEY AUTOINCREMENT");
        else
            defs << c + (longCols.contains(c) ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table, defs.join(QStringLiteral(", ")));
}

bool hasColumns(QSqlDatabase db, const QString &table, const QStringList &cols, QString *error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    QSet<QString> present;
    while (q.next())
        present.insert(q.value(1).toString());
    if (present.isEmpty()) {
        if (error)
            *error = QStringLiteral("table %1 is missing").arg(table);
        return false;
    }
    for (const QString &c : cols) {
        if (!present.contains(c)) {
            if (error)
                *error = QStringLiteral("column %1.%2 is missing").arg(table, c);
            return false;
        }
    }
    return true;
}

}

bool createFile(const QString &path, QString *error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1 already exists").arg(path);
        return false;
    }
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("contest-create"), error);
    if (!db.isValid())
        return false;
    bool ok = true;
    {
        QSqlQuery q(db);
        ok = db.transaction()
             && q.exec(createStatement(QStringLiteral("takmicenje"), logColumns(), longLogColumns()))
             && q.exec(createStatement(QStringLiteral("postavke"), ContestSettingsTable::columns(), {}))
             && db.commit();
        if (!ok && error)
            *error = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
    }
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
        ok = hasColumns(db, QStringLiteral("takmicenje"), logColumns(), error)
             && hasColumns(db, QStringLiteral("postavke"), ContestSettingsTable::columns(), error);
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
