#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

// The contest database: the log `takmicenje` and the settings `postavke`, either in the
// SQLite 3 file `contest.mdb` or in a PostgreSQL database that several PCs share.
// Every statement of the program is the same on both engines; what an engine needs of
// its own (schema text, auto-number, the per-band lock, change announcements, making
// an SQLite copy) lives here and nowhere else.
namespace ContestDatabase {

enum class Engine { Sqlite, Postgres };
Engine engine(QSqlDatabase db);
// True when other PCs may write into the same contest at the same time.
inline bool isShared(QSqlDatabase db) { return engine(db) == Engine::Postgres; }

// The 22 columns of `takmicenje` in table order.
const QStringList &logColumns();

// Creates the two empty tables in a new file at `path`. The file must not exist.
bool createFile(const QString &path, QString *error);

// Opens the contest database at `path` with Brelog's connection settings.
QSqlDatabase open(const QString &path, QString *error);

// Closes a connection of either engine and removes it from QtSql.
void close(QSqlDatabase &db);

// True for a text that names a server contest ("postgresql://user@host:port/name").
bool isServerUrl(const QString &location);
// Opens the PostgreSQL database named by `url` (postgresql://[user[:password]@]host
// [:port]/name[?sslmode=...]). An empty database gets both tables; a database that has
// other tables but not ours is refused. Without a password in the URL, libpq's own
// means (~/.pgpass, PGPASSWORD) serve. Invalid database and `error` on failure.
QSqlDatabase openServer(const QString &url, QString *error);
// The URL without its password, for showing and storing.
QString displayUrl(const QString &url);

// Creates both tables in the open, empty database `db` (either engine), in one transaction.
bool createTables(QSqlDatabase db, QString *error);
// True when `db` holds both tables with all their columns; otherwise false with the reason.
bool hasTables(QSqlDatabase db, QString *error);

// Inside an open transaction: waits until no other connection holds the lock of
// `band` and keeps it until the transaction ends. Every save on a shared band takes
// it, so the checks a save makes see every row committed before it. No-op on SQLite,
// where a single program writes the file.
bool lockBand(QSqlDatabase db, const QString &band, QString *error);

// What a new QSO of the entry line meets on its band among the rows every PC committed.
struct CommittedBand
{
    qint64 count = 0;       // QSOs of the band, the new one not counted
    qint64 points = 0;      // the sum of their QRB
    qint64 odx = 0;         // their largest QRB
    qint64 serial = 0;      // the serial to send: the one asked, or the band's next free one
                            // when another PC has stored that one meanwhile
    bool duplicate = false; // the call is on the band with another serial sent
};
// Inside an open transaction, before a new QSO (`call`, serial sent `serial`) is stored on
// `band`, whose rows `bandCondition` selects with the one value `bandPattern`. On a
// shared database it takes the band's lock (held until the transaction ends) and fills
// `committed` from the committed rows, so two PCs saving at the same moment never store
// the same totals and never both miss a duplicate. On SQLite, which this program alone
// writes, the entry line's own values are those: `committed` stays empty.
bool checkNewQso(QSqlDatabase db, const QString &band, const QString &bandCondition, const QString &bandPattern,
                 const QString &call, qint64 serial, std::optional<CommittedBand> &committed, QString *error);

// Inside an open transaction: tells the other PCs, once the transaction commits, that
// `what` changed (a band label, or everythingChanged()). No-op on SQLite.
bool announce(QSqlDatabase db, const QString &what, QString *error);
QString notificationChannel();
QString everythingChanged(); // the whole contest was replaced
QString settingsChanged();   // `postavke` was written

// Writes a consistent SQLite copy of the whole contest (both tables, IDs kept) to
// `target`; an existing target is replaced only once the copy is complete.
bool copyToFile(QSqlDatabase db, const QString &target, QString *error);

// Makes the contest in the shared database `db` a copy of the contest file `source`
// (an empty contest when `source` is empty), in one transaction that the other PCs
// never see half done; they are told to reload everything.
bool replaceSharedContest(QSqlDatabase db, const QString &source, QString *error);

// True when the file at `path` is an SQLite database holding both tables with all
// their columns; otherwise false with the reason in `error`. Never modifies the file.
bool isContestDatabase(const QString &path, QString *error);

}

namespace ContestDatabase {
// The Band values of the `postavke` rows in table order, as stored.
bool storedBands(QSqlDatabase db, QStringList &bands, QString *error = nullptr);
}
