#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Rows read back as the tests check them, without the program's own readers.
namespace TestSupport {

// Whether the values come trimmed or with the blank the program stores after every text.
enum class Blanks { Trimmed, Kept };

// The values of `columns` (column names or SQL expressions) of every row of `table`
// in ID order: each row one text, its values joined by "|".
QStringList storedRows(QSqlDatabase db, const QString &columns, const QString &table = QStringLiteral("takmicenje"),
                       Blanks blanks = Blanks::Trimmed);
// The same from the database file at `path`, through a connection of the test's own.
QStringList storedRows(const QString &path, const QString &columns,
                       const QString &table = QStringLiteral("takmicenje"), Blanks blanks = Blanks::Trimmed);

// How many rows `table` holds; -1 when it cannot be read.
int storedCount(QSqlDatabase db, const QString &table = QStringLiteral("takmicenje"));
int storedCount(const QString &path, const QString &table = QStringLiteral("takmicenje"));

}
