#pragma once
#include "contestlog/QsoRow.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The log grid's rows: the band's QSOs (or a search result), shown as stored.
// Columns: Time, Call, RST S, Nr. S, Mode, RST R, Nr. R, Locator, QRB, Bearing,
// Dupe, Date, ID (the last one hidden by the view).
class LogTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Time, Call, RstS, NrS, Mode, RstR, NrR, Loc, Qrb, Bearing, Dupe, Date, Id, ColumnCount };

    explicit LogTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Headers of columns 0..11 (the hidden labels Label33..Label44 carry them).
    void setHeaders(const QStringList &headers);
    void setRows(const QVector<QsoRow> &rows);
    void appendRow(const QsoRow &row);
    void replaceRow(const QsoRow &row);
    void removeId(qint64 id);
    const QsoRow &row(int i) const { return m_rows.at(i); }
    int indexOfId(qint64 id) const;

private:
    QVector<QsoRow> m_rows;
    QStringList m_headers;
};
