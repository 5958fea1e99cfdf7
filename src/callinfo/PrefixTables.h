#pragma once
#include <QHash>
#include <QString>
#include <QVector>
#include <memory>

// The two tables of the prefix database `znakovi.mdb`, read once and kept in their
// stored order. The lookups run on every keystroke, so the first row with a given
// prefix (or master prefix) is found through a hash that remembers only the first
// row of each text, which is the same row a scan in stored order would stop at.
class PrefixTables
{
public:
    struct Prefix
    {
        QString prefix;       // trimmed
        QString masterPrefix; // trimmed
    };
    struct Country
    {
        QString masterPrefix; // as stored (compared untrimmed)
        QString name;
        QString cqZone;    // column values as text; empty for null
        QString iaruZone;
        QString isStarred;
    };

    // Reads both tables from the database file; missing tables or a missing file give
    // empty tables (the lookups then change nothing).
    static std::shared_ptr<const PrefixTables> load(const QString &path, QString *error = nullptr);
    // Built from rows in memory (for tests and the builder).
    static std::shared_ptr<const PrefixTables> fromRows(QVector<Prefix> prefixes, QVector<Country> countries);

    const QVector<Prefix> &prefixes() const { return m_prefixes; }
    const QVector<Country> &countries() const { return m_countries; }

    // Index of the first row whose trimmed Prefix equals `text`, or -1.
    int firstPrefixRow(const QString &text) const { return m_firstPrefix.value(text, -1); }
    // Index of the first row whose Prefix equals any of `candidates`, or -1.
    int firstPrefixRowOfAny(const QString *candidates, int count) const;
    // The first CTYDAT row whose stored MasterPrefix equals `master`, or nullptr.
    const Country *country(const QString &master) const;

private:
    void index();

    QVector<Prefix> m_prefixes;
    QVector<Country> m_countries;
    QHash<QString, int> m_firstPrefix;
    QHash<QString, int> m_firstCountry;
};
