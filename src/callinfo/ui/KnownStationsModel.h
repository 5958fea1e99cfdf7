#pragma once
#include "callinfo/KnownStations.h"

#include <QAbstractTableModel>
#include <QStringList>

// The known-stations list: the rows of the latest search shown by the list, as
// positions into the store, so a new result replaces a vector of positions and no
// station is copied. Columns "pozivni" and "lokator", values as stored.
class KnownStationsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Column headers (the main window's hidden labels Label48, Label49 carry them).
    void setHeaders(const QStringList &headers);
    explicit KnownStationsModel(const KnownStations &store, QObject *parent = nullptr);

    void setResult(KnownStations::Result result);
    const KnownStations::Result &result() const { return m_result; }
    // The station shown in `row`, or nullptr.
    const KnownStations::Station *station(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const KnownStations &m_store;
    KnownStations::Result m_result;
    int m_rows = 0;
    QStringList m_headers{QStringLiteral("pozivni"), QStringLiteral("lokator")};
};
