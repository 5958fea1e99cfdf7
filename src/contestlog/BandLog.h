#pragma once
#include "contestlog/QsoRow.h"

#include <QHash>
#include <QString>
#include <QVector>

// The QSOs of the band shown in the main window, in stored order, kept in step with
// the database by every change the entry line makes. The checks that run on every
// keystroke (duplicate, new country) read it instead of querying the whole band.
class BandLog
{
public:
    const QVector<QsoRow> &rows() const { return m_rows; }
    int size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    void reset(QVector<QsoRow> rows);
    void append(const QsoRow &row);
    // Replaces the row with the same ID; false when the band has no such row.
    bool replace(const QsoRow &row);
    bool removeId(qint64 id);
    // Index of the row with this ID, or -1.
    int indexOfId(qint64 id) const;

    // True when a row whose trimmed call equals `call` exactly has a serial sent
    // (as text) other than `serial`: the QSO being edited never matches itself.
    bool isDuplicate(const QString &call, const QString &serial) const;

    struct Totals
    {
        qint64 count = 0;
        qint64 points = 0; // sum of QRB
        qint64 odx = 0;    // largest QRB
    };
    // Recomputed over all rows on every call; the rows are the band's committed rows.
    Totals totals() const;

    // The first row (in stored order) whose trimmed DXCCd equals `country` and whose
    // serial sent differs from `serial`, or -1.
    int firstWorkedCountryRow(const QString &country, const QString &serial) const;

private:
    void index(int i);
    void rebuildIndexes();

    QVector<QsoRow> m_rows;
    QVector<qint64> m_qrb; // QRB of each row as a number, parsed once
    QHash<QString, QVector<int>> m_byCall;
    QHash<QString, QVector<int>> m_byCountry;
};
