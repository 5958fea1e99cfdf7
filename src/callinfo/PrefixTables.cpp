#include "callinfo/PrefixTables.h"

#include "platform/SqliteDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

QString text(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

}

std::shared_ptr<const PrefixTables> PrefixTables::load(const QString &path, QString *error)
{
    QVector<Prefix> prefixes;
    QVector<Country> countries;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("znakovi"), error, false);
    if (db.isValid()) {
        {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            // Stored order: the rows as the table holds them, without sorting.
            if (q.exec(QStringLiteral("SELECT Prefix, MasterPrefix FROM Prefixes ORDER BY rowid"))) {
                while (q.next())
                    prefixes.append({text(q.value(0)).trimmed(), text(q.value(1)).trimmed()});
            } else if (error) {
                *error = q.lastError().text();
            }
            if (q.exec(QStringLiteral("SELECT MasterPrefix, Name, CQzone, IARUZone, IsStarred FROM CTYDAT "
                                      "ORDER BY rowid"))) {
                while (q.next())
                    countries.append({text(q.value(0)), text(q.value(1)), text(q.value(2)), text(q.value(3)),
                                      text(q.value(4))});
            } else if (error) {
                *error = q.lastError().text();
            }
        }
        SqliteDatabase::close(db);
    }
    return fromRows(std::move(prefixes), std::move(countries));
}

std::shared_ptr<const PrefixTables> PrefixTables::fromRows(QVector<Prefix> prefixes, QVector<Country> countries)
{
    auto t = std::make_shared<PrefixTables>();
    t->m_prefixes = std::move(prefixes);
    t->m_countries = std::move(countries);
    t->index();
    return t;
}

void PrefixTables::index()
{
    // QHash::insert replaces, so filling from the end leaves the first row of each text.
    m_firstPrefix.clear();
    m_firstPrefix.reserve(m_prefixes.size());
    for (int i = m_prefixes.size() - 1; i >= 0; --i)
        m_firstPrefix.insert(m_prefixes.at(i).prefix, i);
    m_firstCountry.clear();
    for (int i = m_countries.size() - 1; i >= 0; --i)
        m_firstCountry.insert(m_countries.at(i).masterPrefix, i);
}

int PrefixTables::firstPrefixRowOfAny(const QString *candidates, int count) const
{
    int best = -1;
    for (int i = 0; i < count; ++i) {
        const int r = firstPrefixRow(candidates[i]);
        if (r >= 0 && (best < 0 || r < best))
            best = r;
    }
    return best;
}

const PrefixTables::Country *PrefixTables::country(const QString &master) const
{
    const int i = m_firstCountry.value(master, -1);
    return i < 0 ? nullptr : &m_countries.at(i);
}
