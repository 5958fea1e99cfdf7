#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The contest database file `contest.mdb` (an SQLite 3 file): the log `takmicenje`
// and the settings `postavke`.
namespace ContestDatabase {

// The 22 columns of `takmicenje` in table order.
const QStringList &logColumns();

// Creates the two empty tables in a new file at `path`. The file must not exist.
bool createFile(const QString &path, QString *error);

// Opens the contest database at `path` with Brelog's connection settings.
QSqlDatabase open(const QString &path, QString *error);

// True when the file at `path` is an SQLite database holding both tables with all
// their columns; otherwise false with the reason in `error`. Never modifies the file.
bool isContestDatabase(const QString &path, QString *error);

}

namespace ContestDatabase {
// The Band values of the `postavke` rows in table order, as stored.
bool storedBands(QSqlDatabase db, QStringList &bands, QString *error = nullptr);
}
