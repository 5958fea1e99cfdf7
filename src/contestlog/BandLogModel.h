#pragma once
#include "contestlog/BandTotals.h"
#include "contestlog/QsoRow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>

// The QSOs of the band shown in the main window, in stored order, and the log grid's
// model of them. It is their only owner: the entry session changes them after every
// committed change of the log, and the model announces each change itself. The checks
// that run on every keystroke (duplicate, new country) read the indexes kept here
// instead of querying the whole band.
//
// The grid can show a search result instead of the band; any change of the band
// brings the band back into view.
class BandLogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Time, Call, RstS, NrS, Mode, RstR, NrR, Loc, Qrb, Bearing, Dupe, Date, Id, ColumnCount };

    explicit BandLogModel(QObject *parent = nullptr);

    // --- the band's rows
    const QVector<QsoRow> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    void reset(QVector<QsoRow> rows);
    void append(const QsoRow &row);
    // Replaces the row with the same ID; false when the band has no such row.
    bool replace(const QsoRow &row);
    bool removeId(qint64 id);
    // Index of the row with this ID in the band, or -1.
    int indexOfId(qint64 id) const;
    const BandTotals &totals() const { return m_totals; }

    // True when a row whose trimmed call equals `call` exactly has a serial sent
    // (as text) other than `serial`: the QSO being edited never matches itself.
    bool isDuplicate(const QString &call, const QString &serial) const;
    // The first row (in stored order) whose trimmed DXCCd equals `country` and whose
    // serial sent differs from `serial`, or -1.
    int firstWorkedCountryRow(const QString &country, const QString &serial) const;

    // --- what the grid shows
    void showSearchResult(const QVector<QsoRow> &rows);
    void showBand();
    bool showsBand() const { return !m_searching; }
    // Row `i` of what the grid shows.
    const QsoRow &shownRow(int i) const { return shown().at(i); }
    // Headers of columns 0..11 (the hidden labels Label33..Label44 carry them).
    void setHeaders(const QStringList &headers);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QVector<QsoRow> &shown() const { return m_searching ? m_search : m_rows; }
    void indexRow(int i);
    void rebuildIndexes();
    void leaveSearch();

    QVector<QsoRow> m_rows;
    QHash<QString, QVector<int>> m_byCall;
    QHash<QString, QVector<int>> m_byCountry;
    BandTotals m_totals;
    QVector<QsoRow> m_search;
    bool m_searching = false;
    QStringList m_headers;
};
