#include "callinfo/CtyDat.h"

#include "platform/SafeFile.h"
#include "platform/SqliteDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace CtyDat {

namespace {

std::optional<int> overrideZone(const QString &alias, QChar open, QChar close)
{
    const int a = alias.indexOf(open);
    if (a < 0)
        return std::nullopt;
    const int b = alias.indexOf(close, a + 1);
    if (b < 0)
        return std::nullopt;
    bool ok = false;
    const int zone = alias.mid(a + 1, b - a - 1).trimmed().toInt(&ok);
    return ok ? std::optional<int>(zone) : std::nullopt;
}

Alias parseAlias(QString text)
{
    Alias a;
    if (text.startsWith(QLatin1Char('='))) {
        a.exact = true;
        text.remove(0, 1);
    }
    static const QRegularExpression overrideStart(QStringLiteral("[\\(\\[<\\{~]"));
    const int cut = text.indexOf(overrideStart);
    a.text = (cut < 0 ? text : text.left(cut)).trimmed();
    a.cqZone = overrideZone(text, QLatin1Char('('), QLatin1Char(')'));
    a.ituZone = overrideZone(text, QLatin1Char('['), QLatin1Char(']'));
    return a;
}

bool parseEntity(const QString &record, Entity &e)
{
    // Eight fields, each ended by a colon, then the alias list.
    QStringList fields;
    int from = 0;
    for (int i = 0; i < 8; ++i) {
        const int colon = record.indexOf(QLatin1Char(':'), from);
        if (colon < 0)
            return false;
        fields << record.mid(from, colon - from).trimmed();
        from = colon + 1;
    }
    bool ok[6] = {};
    e.name = fields[0];
    e.cqZone = fields[1].toInt(&ok[0]);
    e.ituZone = fields[2].toInt(&ok[1]);
    e.continent = fields[3];
    e.latitude = fields[4].toDouble(&ok[2]);
    e.longitude = -fields[5].toDouble(&ok[3]);
    e.utcOffset = -fields[6].toDouble(&ok[4]);
    ok[5] = !fields[7].isEmpty() && !e.name.isEmpty();
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        return false;
    e.starred = fields[7].startsWith(QLatin1Char('*'));
    e.primaryPrefix = e.starred ? fields[7].mid(1) : fields[7];
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (const QString &part : record.mid(from).split(separators, Qt::SkipEmptyParts)) {
        Alias a = parseAlias(part);
        if (!a.text.isEmpty())
            e.aliases.append(a);
    }
    return true;
}

bool hasDigit(const QString &s)
{
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.isDigit(); });
}

bool plainCallText(const QString &s)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Z0-9/]+$"));
    return plain.match(s).hasMatch();
}

}

QVector<Entity> parse(const QString &text, int *skipped)
{
    QVector<Entity> out;
    int bad = 0;
    for (const QString &record : text.split(QLatin1Char(';'))) {
        if (record.trimmed().isEmpty())
            continue;
        Entity e;
        if (parseEntity(record, e))
            out.append(e);
        else
            ++bad;
    }
    if (skipped)
        *skipped = bad;
    return out;
}

QVector<PrefixRow> prefixRows(const QVector<Entity> &entities)
{
    QVector<PrefixRow> rows;
    QHash<QString, int> rowOf; // text -> index in rows
    auto put = [&](const PrefixRow &r, bool replaceExact) {
        const auto it = rowOf.constFind(r.prefix);
        if (it == rowOf.cend()) {
            rowOf.insert(r.prefix, rows.size());
            rows.append(r);
        } else if (replaceExact && rows[*it].exact) {
            rows[*it] = r;
        }
    };
    // Prefixes first, so that an exact call never displaces one.
    for (const Entity &e : entities)
        for (const Alias &a : e.aliases)
            if (!a.exact)
                put({a.text, e.primaryPrefix, a.cqZone, a.ituZone, false}, true);
    QHash<QString, bool> exactFromStarred;
    for (const Entity &e : entities)
        for (const Alias &a : e.aliases) {
            if (!a.exact || a.text.size() <= 4)
                continue;
            const auto it = rowOf.constFind(a.text);
            if (it == rowOf.cend()) {
                put({a.text, e.primaryPrefix, a.cqZone, a.ituZone, true}, false);
                exactFromStarred.insert(a.text, e.starred);
            } else if (rows[*it].exact && e.starred && !exactFromStarred.value(a.text)) {
                rows[*it] = {a.text, e.primaryPrefix, a.cqZone, a.ituZone, true};
                exactFromStarred.insert(a.text, true);
            }
        }
    for (const Entity &e : entities)
        if (plainCallText(e.primaryPrefix) && hasDigit(e.primaryPrefix) && !rowOf.contains(e.primaryPrefix))
            put({e.primaryPrefix, e.primaryPrefix, std::nullopt, std::nullopt, false}, false);

    std::stable_sort(rows.begin(), rows.end(),
                     [](const PrefixRow &a, const PrefixRow &b) { return a.prefix.size() > b.prefix.size(); });
    return rows;
}

namespace {

bool exec(QSqlQuery &q, const QString &sql, QString *error)
{
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

QVariant zone(const std::optional<int> &z)
{
    return z ? QVariant(*z) : QVariant(QMetaType(QMetaType::Int));
}

bool writeTables(QSqlDatabase db, const QVector<Entity> &entities, QString *error)
{
    QSqlQuery q(db);
    if (!exec(q, QStringLiteral("CREATE TABLE Prefixes (ID INTEGER PRIMARY KEY, Prefix TEXT NOT NULL, "
                                "MasterPrefix TEXT NOT NULL, CQzone INTEGER, IARUZone INTEGER, "
                                "IsExactCall INTEGER NOT NULL)"),
              error)
        || !exec(q, QStringLiteral("CREATE TABLE CTYDAT (ID INTEGER PRIMARY KEY, MasterPrefix TEXT NOT NULL, "
                                   "Name TEXT NOT NULL, CQzone INTEGER, IARUZone INTEGER, IsStarred INTEGER, "
                                   "Continent TEXT, Latitude REAL, Longitude REAL, UtcOffset REAL)"),
                 error))
        return false;
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    q.prepare(QStringLiteral("INSERT INTO Prefixes (Prefix, MasterPrefix, CQzone, IARUZone, IsExactCall) "
                             "VALUES (?, ?, ?, ?, ?)"));
    for (const PrefixRow &r : prefixRows(entities)) {
        q.addBindValue(r.prefix);
        q.addBindValue(r.masterPrefix);
        q.addBindValue(zone(r.cqZone));
        q.addBindValue(zone(r.ituZone));
        q.addBindValue(r.exact ? 1 : 0);
        if (!q.exec()) {
            if (error)
                *error = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    q.prepare(QStringLiteral("INSERT INTO CTYDAT (MasterPrefix, Name, CQzone, IARUZone, IsStarred, Continent, "
                             "Latitude, Longitude, UtcOffset) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const Entity &e : entities) {
        for (const QVariant &v : {QVariant(e.primaryPrefix), QVariant(e.name), QVariant(e.cqZone),
                                  QVariant(e.ituZone), QVariant(e.starred ? 1 : 0), QVariant(e.continent),
                                  QVariant(e.latitude), QVariant(e.longitude), QVariant(e.utcOffset)})
            q.addBindValue(v);
        if (!q.exec()) {
            if (error)
                *error = q.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    return true;
}

}

bool writePrefixDatabase(const QString &path, const QVector<Entity> &entities, QString *error)
{
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    QSqlDatabase db = SqliteDatabase::open(part, QStringLiteral("ctydb"), error);
    if (!db.isValid())
        return false;
    const bool ok = writeTables(db, entities, error);
    SqliteDatabase::close(db);
    if (!ok) {
        QFile::remove(part);
        return false;
    }
    if (!SafeFile::replace(part, path, error)) {
        QFile::remove(part);
        return false;
    }
    return true;
}

}
