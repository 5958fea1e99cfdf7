#pragma once
#include <QByteArray>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <optional>

// The known-stations database `evidencija.mdb` (table `evidencija`: pozivni, lokator,
// ID). The list of the main window is searched on every keystroke, so the stations
// are kept in memory in the order of the stored call (byte order of the text, as
// SQLite sorts it; equal calls by ID), and the file is the store that every change
// is written to before the memory follows.
class KnownStations
{
public:
    struct Station
    {
        qint64 id = 0;
        QString pozivni; // as stored, with the trailing blank
        QString lokator; // as stored
    };

    // The rows of one search, as positions in the sorted stations.
    struct Result
    {
        bool all = false;   // every station, in order
        QVector<int> rows;  // otherwise these positions, ascending
        int size(int total) const { return all ? total : rows.size(); }
        int at(int i) const { return all ? i : rows.at(i); }
    };

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

    int size() const { return m_stations.size(); }
    const Station &at(int position) const { return m_stations.at(position); }
    // Position of the station with this ID, or -1.
    int positionOfId(qint64 id) const;
    // Position of the first station (in order) whose trimmed call equals `call`, or -1.
    int positionOfCall(const QString &call) const;

    // The stations whose stored call contains `text` anywhere, letter case of A-Z
    // ignored, in order. `%` and `_` are ordinary characters here.
    Result find(const QString &text) const;

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
    void sortAndIndex();
    void insertSorted(const Station &station);

    QSqlDatabase m_db;
    QVector<Station> m_stations;
    // The calls in order, ASCII letters upper-cased, each ended by '\n', as UTF-8,
    // with the start offset of each call: one buffer to search instead of 100,000
    // small strings.
    QByteArray m_searchText;
    QVector<int> m_lineStart;
    // The latest search, which the next one narrows when its text contains this one.
    mutable QByteArray m_lastNeedle;
    mutable QVector<int> m_lastRows;
    mutable QHash<QByteArray, QVector<int>> m_shortNeedleHits;
    QHash<qint64, int> m_positionOfId;
    QHash<QString, int> m_positionOfCall; // trimmed call -> first position
};

// Stations move by memmove when one is inserted into 100,000 (QString is relocatable).
Q_DECLARE_TYPEINFO(KnownStations::Station, Q_RELOCATABLE_TYPE);
