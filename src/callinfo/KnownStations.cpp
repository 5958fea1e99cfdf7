#include "callinfo/KnownStations.h"

#include "platform/SqliteDatabase.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cstring>

namespace {

const char *const kCreate = "CREATE TABLE evidencija (ID INTEGER PRIMARY KEY AUTOINCREMENT, pozivni TEXT, "
                            "lokator TEXT)";

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// UTF-16 code units reordered so that comparing them gives code point order, which
// is the byte order of UTF-8 that SQLite's BINARY collation sorts by.
inline char16_t codePointOrder(char16_t u)
{
    if (u >= 0xD800)
        return u >= 0xE000 ? char16_t(u - 0x800) : char16_t(u + 0x2000);
    return u;
}

bool binaryLess(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t *pa = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *pb = reinterpret_cast<const char16_t *>(b.constData());
    for (qsizetype i = 0; i < n; ++i)
        if (pa[i] != pb[i])
            return codePointOrder(pa[i]) < codePointOrder(pb[i]);
    return a.size() < b.size();
}

// What LIKE compares: ASCII letters without case, everything else as it is.
QByteArray folded(const QString &text)
{
    QByteArray b = text.toUtf8();
    for (char &c : b)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return b;
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
    m_stations.clear();
    sortAndIndex();
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
    m_stations = std::move(stations);
    sortAndIndex();
    return true;
}

void KnownStations::sortAndIndex()
{
    std::sort(m_stations.begin(), m_stations.end(), [](const Station &a, const Station &b) {
        if (a.pozivni != b.pozivni)
            return binaryLess(a.pozivni, b.pozivni);
        return a.id < b.id;
    });
    m_searchText.clear();
    m_lineStart.clear();
    m_lastNeedle.clear();
    m_lastRows.clear();
    m_shortNeedleHits.clear();
    m_positionOfId.clear();
    m_positionOfCall.clear();
    m_lineStart.reserve(m_stations.size() + 1);
    m_positionOfId.reserve(m_stations.size());
    m_positionOfCall.reserve(m_stations.size());
    for (int i = 0; i < m_stations.size(); ++i) {
        const Station &s = m_stations.at(i);
        m_lineStart.append(int(m_searchText.size()));
        QByteArray f = folded(s.pozivni);
        f.replace('\n', '\0'); // keeps one line per station
        m_searchText += f;
        m_searchText += '\n';
        m_positionOfId.insert(s.id, i);
        const QString call = s.pozivni.trimmed();
        if (!m_positionOfCall.contains(call))
            m_positionOfCall.insert(call, i);
    }
    m_lineStart.append(int(m_searchText.size()));
}

int KnownStations::positionOfId(qint64 id) const
{
    return m_positionOfId.value(id, -1);
}

int KnownStations::positionOfCall(const QString &call) const
{
    return m_positionOfCall.value(call.trimmed(), -1);
}

KnownStations::Result KnownStations::find(const QString &text) const
{
    Result r;
    if (text.isEmpty()) {
        r.all = true;
        return r;
    }
    const QByteArray needle = folded(text);
    if (needle.contains('\n') || needle.contains('\0')) {
        for (int i = 0; i < m_stations.size(); ++i)
            if (folded(m_stations.at(i).pozivni).contains(needle))
                r.rows.append(i);
        return r;
    }
    // The first one or two characters of a call match a large part of the list; their
    // hits are kept until the stations change, since calls start with few prefixes.
    if (needle.size() <= 2) {
        if (const auto cached = m_shortNeedleHits.constFind(needle); cached != m_shortNeedleHits.cend()) {
            r.rows = *cached;
            m_lastNeedle = needle;
            m_lastRows = r.rows;
            return r;
        }
    }
    const char *begin = m_searchText.constData();
    // Typing mostly adds a character: every station that contains the longer text
    // contains the shorter one too, so only the previous hits need a look.
    if (!m_lastNeedle.isEmpty() && needle.contains(m_lastNeedle)) {
        r.rows.reserve(m_lastRows.size());
        for (int line : std::as_const(m_lastRows)) {
            const int from = m_lineStart.at(line);
            const int length = m_lineStart.at(line + 1) - 1 - from;
            if (memmem(begin + from, size_t(length), needle.constData(), size_t(needle.size())))
                r.rows.append(line);
        }
    } else {
        const int total = int(m_searchText.size());
        int line = 0;
        int from = 0;
        while (from < total) {
            const void *hit = memmem(begin + from, size_t(total - from), needle.constData(), size_t(needle.size()));
            if (!hit)
                break;
            const int offset = int(static_cast<const char *>(hit) - begin);
            // The next line start above the hit: a galloping step, then a binary search.
            int step = 1;
            while (line + step < m_lineStart.size() - 1 && m_lineStart.at(line + step) <= offset)
                step *= 2;
            const auto first = m_lineStart.cbegin() + line + 1;
            const auto last = m_lineStart.cbegin() + std::min<qsizetype>(line + step + 1, m_lineStart.size());
            line = int(std::upper_bound(first, last, offset) - m_lineStart.cbegin()) - 1;
            r.rows.append(line);
            from = m_lineStart.at(line + 1); // one row per station
        }
    }
    m_lastNeedle = needle;
    m_lastRows = r.rows;
    if (needle.size() <= 2)
        m_shortNeedleHits.insert(needle, r.rows);
    return r;
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
    insertSorted({id, stored(call), stored(locator)});
    return id;
}

void KnownStations::insertSorted(const Station &station)
{
    // A save adds one station to 100,000: put it in its place and shift the indexes,
    // instead of sorting and indexing everything again.
    const auto it = std::upper_bound(m_stations.cbegin(), m_stations.cend(), station,
                                     [](const Station &a, const Station &b) {
                                         if (a.pozivni != b.pozivni)
                                             return binaryLess(a.pozivni, b.pozivni);
                                         return a.id < b.id;
                                     });
    const int pos = int(it - m_stations.cbegin());
    m_stations.insert(pos, station);
    QByteArray line = folded(station.pozivni);
    line.replace('\n', '\0');
    line += '\n';
    const int offset = m_lineStart.at(pos);
    m_searchText.insert(offset, line);
    m_lineStart.insert(pos, offset);
    for (int i = pos + 1; i < m_lineStart.size(); ++i)
        m_lineStart[i] += int(line.size());
    for (auto p = m_positionOfId.begin(); p != m_positionOfId.end(); ++p)
        if (*p >= pos)
            ++*p;
    for (auto p = m_positionOfCall.begin(); p != m_positionOfCall.end(); ++p)
        if (*p >= pos)
            ++*p;
    m_positionOfId.insert(station.id, pos);
    const QString trimmed = station.pozivni.trimmed();
    if (!m_positionOfCall.contains(trimmed) || m_positionOfCall.value(trimmed) > pos)
        m_positionOfCall.insert(trimmed, pos);
    m_lastNeedle.clear();
    m_lastRows.clear();
    m_shortNeedleHits.clear();
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
    m_stations[pos].pozivni = stored(call);
    m_stations[pos].lokator = stored(locator);
    sortAndIndex();
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
            if (m_stations.at(pos).lokator.trimmed() == e.locator.trimmed()) {
                ++c.unchanged;
                continue;
            }
            update.addBindValue(stored(e.locator));
            update.addBindValue(m_stations.at(pos).id);
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
