#include "contestlog/BandLog.h"

#include <algorithm>

void BandLog::reset(QVector<QsoRow> rows)
{
    m_rows = std::move(rows);
    m_rows.reserve(m_rows.size() + 1024); // a contest's worth of saves without regrowing
    rebuildIndexes();
}

void BandLog::append(const QsoRow &row)
{
    m_rows.append(row);
    index(m_rows.size() - 1);
}

bool BandLog::replace(const QsoRow &row)
{
    const int i = indexOfId(row.id);
    if (i < 0)
        return false;
    m_rows[i] = row;
    rebuildIndexes();
    return true;
}

bool BandLog::removeId(qint64 id)
{
    const int i = indexOfId(id);
    if (i < 0)
        return false;
    m_rows.remove(i);
    rebuildIndexes();
    return true;
}

int BandLog::indexOfId(qint64 id) const
{
    // Rows are in ID order, since IDs only grow.
    auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), id,
                               [](const QsoRow &r, qint64 v) { return r.id < v; });
    if (it != m_rows.cend() && it->id == id)
        return int(it - m_rows.cbegin());
    for (int i = 0; i < m_rows.size(); ++i) // a foreign file may hold rows out of order
        if (m_rows.at(i).id == id)
            return i;
    return -1;
}

BandLog::Totals BandLog::totals() const
{
    Totals t;
    t.count = m_rows.size();
    for (qint64 q : m_qrb) {
        t.points += q;
        t.odx = std::max(t.odx, q);
    }
    return t;
}

bool BandLog::isDuplicate(const QString &call, const QString &serial) const
{
    const auto it = m_byCall.constFind(call);
    if (it == m_byCall.cend())
        return false;
    for (int i : *it)
        if (m_rows.at(i).nrs.trimmed() != serial)
            return true;
    return false;
}

int BandLog::firstWorkedCountryRow(const QString &country, const QString &serial) const
{
    const auto it = m_byCountry.constFind(country);
    if (it == m_byCountry.cend())
        return -1;
    for (int i : *it)
        if (m_rows.at(i).nrs.trimmed() != serial)
            return i;
    return -1;
}

void BandLog::index(int i)
{
    const QsoRow &r = m_rows.at(i);
    if (m_qrb.size() <= i)
        m_qrb.resize(i + 1);
    m_qrb[i] = r.qrb.trimmed().toLongLong();
    m_byCall[r.call.trimmed()].append(i);
    m_byCountry[r.dxccd.trimmed()].append(i);
}

void BandLog::rebuildIndexes()
{
    m_byCall.clear();
    m_byCountry.clear();
    m_qrb.clear();
    m_qrb.reserve(m_rows.size());
    m_byCall.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        index(i);
}
