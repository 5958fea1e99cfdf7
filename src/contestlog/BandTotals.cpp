#include "contestlog/BandTotals.h"

#include <algorithm>

void BandTotals::add(const QsoRow &row)
{
    ++count;
    const qint64 qrb = row.qrb.trimmed().toLongLong();
    points += qrb;
    odx = std::max(odx, qrb);
    highestSerial = std::max(highestSerial, row.nrs.trimmed().toLongLong());
}

BandTotals BandTotals::of(const QVector<QsoRow> &rows)
{
    BandTotals t;
    for (const QsoRow &r : rows)
        t.add(r);
    return t;
}
