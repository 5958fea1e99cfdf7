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
    // Shows rows the caller keeps (the band's rows): the grid reads them in place, so
    // a band of 30,000 QSOs is never copied. The caller announces its changes below.
    void showRows(const QVector<QsoRow> *rows);
    bool showsRows(const QVector<QsoRow> *rows) const { return m_rows == rows; }
    // Shows a copy of `rows` (a search result).
    void setRows(const QVector<QsoRow> &rows);
    void beginAppend();
    void endAppend();
    void rowChanged(int i);
    void beginRemove(int i);
    void endRemove();
    const QsoRow &row(int i) const { return m_rows->at(i); }

private:
    QVector<QsoRow> m_own;
    const QVector<QsoRow> *m_rows = &m_own;
    QStringList m_headers;
};
