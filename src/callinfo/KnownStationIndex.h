#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

// The known stations in memory, searched on every keystroke of the call field: kept
// in the order of the stored call (byte order of the text, as SQLite sorts it; equal
// calls by ID), with one search buffer and the caches of the latest searches. It knows
// nothing of the file; KnownStations keeps it in step with the store.
class KnownStationIndex
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

    void reset(QVector<Station> stations);
    // Puts one new station into its place: a save adds one station to 100,000.
    void insert(const Station &station);
    // Rewrites the station with this ID (its place may change); false when unknown.
    bool replace(qint64 id, const QString &pozivni, const QString &lokator);

    int size() const { return int(m_stations.size()); }
    const Station &at(int position) const { return m_stations.at(position); }
    // Position of the station with this ID, or -1.
    int positionOfId(qint64 id) const;
    // Position of the first station (in order) whose trimmed call equals `call`, or -1.
    int positionOfCall(const QString &call) const;

    // The stations whose stored call contains `text` anywhere, letter case of A-Z
    // ignored, in order. `%` and `_` are ordinary characters here.
    Result find(const QString &text) const;

private:
    // A station's place in the order.
    struct Key
    {
        QString pozivni;
        qint64 id = 0;
    };
    int positionOf(const Key &key) const;
    void noteCall(const Station &station);
    void clearSearches();

    QVector<Station> m_stations;
    // The calls in order, ASCII letters upper-cased, each ended by '\n', as UTF-8,
    // with the start offset of each call: one buffer to search instead of 100,000
    // small strings.
    QByteArray m_searchText;
    QVector<int> m_lineStart;
    // Positions move when a station is inserted, so the lookups keep places in the
    // order (found by binary search) rather than positions.
    QHash<qint64, QString> m_callOfId;    // ID -> stored call
    QHash<QString, Key> m_firstOfCall;    // trimmed call -> its first station
    // The latest search, which the next one narrows when its text contains this one.
    mutable QByteArray m_lastNeedle;
    mutable QVector<int> m_lastRows;
    mutable QHash<QByteArray, QVector<int>> m_shortNeedleHits;
};

// Stations move by memmove when one is inserted into 100,000 (QString is relocatable).
Q_DECLARE_TYPEINFO(KnownStationIndex::Station, Q_RELOCATABLE_TYPE);
