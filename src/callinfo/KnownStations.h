#pragma once
#include "callinfo/KnownStationIndex.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <optional>

// The known-stations database `evidencija.mdb` (table `evidencija`: pozivni, lokator,
// ID): the store that every change is written to before the stations in memory
// (KnownStationIndex, which the list searches) follow it.
class KnownStations
{
public:
    using Station = KnownStationIndex::Station;
    using Result = KnownStationIndex::Result;

    struct ImportEntry
    {
        QString call;
        QString locator;
    };
    struct ImportCounts
    {
        int added = 0;
        int updated = 0;
        int unchanged = 0;
    };

    KnownStations();
    ~KnownStations();
    KnownStations(const KnownStations &) = delete;
    KnownStations &operator=(const KnownStations &) = delete;

    // Creates an empty known-stations database at `path` when no file is there.
    static bool ensureDatabase(const QString &path, QString *error = nullptr);

    // Opens the file (creating it empty when missing) and reads every station.
    bool open(const QString &path, QString *error = nullptr);
    void close();
    bool isOpen() const { return m_db.isValid() && m_db.isOpen(); }

    const KnownStationIndex &index() const { return m_index; }
    int size() const { return m_index.size(); }
    const Station &at(int position) const { return m_index.at(position); }
    int positionOfId(qint64 id) const { return m_index.positionOfId(id); }
    int positionOfCall(const QString &call) const { return m_index.positionOfCall(call); }
    Result find(const QString &text) const { return m_index.find(text); }

    // Adds a station: the trimmed call and locator, each followed by one blank.
    // Returns the new ID, or nothing (and the memory unchanged) when the write failed.
    std::optional<qint64> add(const QString &call, const QString &locator, QString *error = nullptr);
    // Rewrites call and locator of row `id` in the same stored form.
    bool update(qint64 id, const QString &call, const QString &locator, QString *error = nullptr);

    // Adds the calls not yet known and rewrites the locator of known calls whose
    // stored locator differs, in one transaction.
    bool importStations(const QVector<ImportEntry> &entries, ImportCounts &counts, QString *error = nullptr);

private:
    static QString stored(const QString &text) { return text.trimmed() + QLatin1Char(' '); }
    bool reload(QString *error);

    QSqlDatabase m_db;
    KnownStationIndex m_index;
};
