#include "StoredRows.h"

#include "platform/SqliteDatabase.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace TestSupport {

namespace {

// Runs `read` on the file at `path` through a connection that is gone afterwards.
template <typename Result, typename Read>
Result onFile(const QString &path, Result failed, Read read)
{
    QString error;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("test-stored"), &error, false);
    if (!db.isValid())
        return failed;
    Result r = read(db);
    SqliteDatabase::close(db);
    return r;
}

}

QStringList storedRows(QSqlDatabase db, const QString &columns, const QString &table, Blanks blanks)
{
    QStringList out;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY ID").arg(columns, table)))
        return out;
    while (q.next()) {
        QStringList parts;
        for (int i = 0; i < q.record().count(); ++i)
            parts << (blanks == Blanks::Trimmed ? q.value(i).toString().trimmed() : q.value(i).toString());
        out << parts.join(QLatin1Char('|'));
    }
    return out;
}

QStringList storedRows(const QString &path, const QString &columns, const QString &table, Blanks blanks)
{
    return onFile(path, QStringList(), [&](QSqlDatabase db) { return storedRows(db, columns, table, blanks); });
}

int storedCount(QSqlDatabase db, const QString &table)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) && q.next())
        return q.value(0).toInt();
    return -1;
}

int storedCount(const QString &path, const QString &table)
{
    return onFile(path, -1, [&](QSqlDatabase db) { return storedCount(db, table); });
}

}
