#include "callinfo/KnownStations.h"

#include "platform/SqliteDatabase.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char *const kCreate = "CREATE TABLE evidencija (ID INTEGER PRIMARY KEY AUTOINCREMENT, pozivni TEXT, "
                            "lokator TEXT)";

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

}

KnownStations::KnownStations() = default;

KnownStations::~KnownStations()
{
    close();
}

bool KnownStations::ensureDatabase(const QString &path, QString *error)
{
    if (QFileInfo::exists(path))
        return true;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("evidencija-create"), error);
    if (!db.isValid())
        return false;
    bool ok;
    {
        QSqlQuery q(db);
        ok = q.exec(QString::fromLatin1(kCreate));
        if (!ok)
            setError(error, q.lastError().text());
    }
    SqliteDatabase::close(db);
    return ok;
}

bool KnownStations::open(const QString &path, QString *error)
{
    close();
    if (!ensureDatabase(path, error))
        return false;
    m_db = SqliteDatabase::open(path, QStringLiteral("evidencija"), error, false);
    if (!m_db.isValid())
        return false;
    if (!reload(error)) {
        close();
        return false;
    }
    return true;
}

void KnownStations::close()
{
    SqliteDatabase::close(m_db);
    m_index.reset({});
}

bool KnownStations::reload(QString *error)
{
    QVector<Station> stations;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT ID, pozivni, lokator FROM evidencija"))) {
        setError(error, q.lastError().text());
        return false;
    }
    while (q.next())
        stations.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()});
    m_index.reset(std::move(stations));
    return true;
}

std::optional<qint64> KnownStations::add(const QString &call, const QString &locator, QString *error)
{
    if (!isOpen()) {
        setError(error, QStringLiteral("the known-stations database is not open"));
        return std::nullopt;
    }
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO evidencija (pozivni, lokator) VALUES (?, ?)"));
    q.addBindValue(stored(call));
    q.addBindValue(stored(locator));
    if (!q.exec()) {
        setError(error, q.lastError().text());
        return std::nullopt;
    }
    const qint64 id = q.lastInsertId().toLongLong();
    m_index.insert({id, stored(call), stored(locator)});
    return id;
}

bool KnownStations::update(qint64 id, const QString &call, const QString &locator, QString *error)
{
    const int pos = positionOfId(id);
    if (!isOpen() || pos < 0) {
        setError(error, QStringLiteral("no known station with ID %1").arg(id));
        return false;
    }
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE evidencija SET pozivni = ?, lokator = ? WHERE ID = ?"));
    q.addBindValue(stored(call));
    q.addBindValue(stored(locator));
    q.addBindValue(id);
    if (!q.exec()) {
        setError(error, q.lastError().text());
        return false;
    }
    m_index.replace(id, stored(call), stored(locator));
    return true;
}

bool KnownStations::importStations(const QVector<ImportEntry> &entries, ImportCounts &counts, QString *error)
{
    counts = {};
    if (!isOpen()) {
        setError(error, QStringLiteral("the known-stations database is not open"));
        return false;
    }
    if (!m_db.transaction()) {
        setError(error, m_db.lastError().text());
        return false;
    }
    QSqlQuery insert(m_db);
    insert.prepare(QStringLiteral("INSERT INTO evidencija (pozivni, lokator) VALUES (?, ?)"));
    QSqlQuery update(m_db);
    update.prepare(QStringLiteral("UPDATE evidencija SET lokator = ? WHERE ID = ?"));
    QHash<QString, QString> added; // trimmed call -> stored locator, within this import
    ImportCounts c;
    bool ok = true;
    for (const ImportEntry &e : entries) {
        const QString call = e.call.trimmed();
        if (call.isEmpty())
            continue;
        const int pos = positionOfCall(call);
        if (pos >= 0) {
            if (m_index.at(pos).lokator.trimmed() == e.locator.trimmed()) {
                ++c.unchanged;
                continue;
            }
            update.addBindValue(stored(e.locator));
            update.addBindValue(m_index.at(pos).id);
            ok = update.exec();
            if (!ok) {
                setError(error, update.lastError().text());
                break;
            }
            ++c.updated;
        } else if (added.contains(call)) {
            ++c.unchanged;
        } else {
            insert.addBindValue(stored(call));
            insert.addBindValue(stored(e.locator));
            ok = insert.exec();
            if (!ok) {
                setError(error, insert.lastError().text());
                break;
            }
            added.insert(call, stored(e.locator));
            ++c.added;
        }
    }
    insert = QSqlQuery();
    update = QSqlQuery();
    if (!ok) {
        m_db.rollback();
        return false;
    }
    if (!m_db.commit()) {
        setError(error, m_db.lastError().text());
        m_db.rollback();
        return false;
    }
    counts = c;
    return reload(error);
}
