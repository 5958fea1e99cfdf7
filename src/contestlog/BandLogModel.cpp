#include "contestlog/BandLogModel.h"

#include <QColor>
#include <algorithm>

BandLogModel::BandLogModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_headers = {QStringLiteral("Time"),  QStringLiteral("Call"),  QStringLiteral("RST S"),
                 QStringLiteral("Nr. S"), QStringLiteral("Mode"),  QStringLiteral("RST R"),
                 QStringLiteral("Nr. R"), QStringLiteral("Locator"), QStringLiteral("QRB"),
                 QStringLiteral("Bearing"), QStringLiteral("Dupe"), QStringLiteral("Date")};
}

void BandLogModel::reset(QVector<QsoRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_rows.reserve(m_rows.size() + 1024); // a contest's worth of saves without regrowing
    m_search.clear();
    m_searching = false;
    rebuildIndexes();
    endResetModel();
}

void BandLogModel::leaveSearch()
{
    if (!m_searching)
        return;
    beginResetModel();
    m_search.clear();
    m_searching = false;
    endResetModel();
}

void BandLogModel::append(const QsoRow &row)
{
    leaveSearch();
    const int n = int(m_rows.size());
    beginInsertRows({}, n, n);
    m_rows.append(row);
    indexRow(n);
    m_totals.add(row);
    endInsertRows();
}

bool BandLogModel::replace(const QsoRow &row)
{
    const int i = indexOfId(row.id);
    if (i < 0)
        return false;
    leaveSearch();
    m_rows[i] = row;
    rebuildIndexes();
    emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
    return true;
}

bool BandLogModel::removeId(qint64 id)
{
    const int i = indexOfId(id);
    if (i < 0)
        return false;
    leaveSearch();
    beginRemoveRows({}, i, i);
    m_rows.remove(i);
    rebuildIndexes();
    endRemoveRows();
    return true;
}

int BandLogModel::indexOfId(qint64 id) const
{
    // Rows are in ID order, since IDs only grow.
    auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), id, [](const QsoRow &r, qint64 v) { return r.id < v; });
    if (it != m_rows.cend() && it->id == id)
        return int(it - m_rows.cbegin());
    for (int i = 0; i < m_rows.size(); ++i) // a foreign file may hold rows out of order
        if (m_rows.at(i).id == id)
            return i;
    return -1;
}

bool BandLogModel::isDuplicate(const QString &call, const QString &serial) const
{
    const auto it = m_byCall.constFind(call);
    if (it == m_byCall.cend())
        return false;
    for (int i : *it)
        if (m_rows.at(i).nrs.trimmed() != serial)
            return true;
    return false;
}

int BandLogModel::firstWorkedCountryRow(const QString &country, const QString &serial) const
{
    const auto it = m_byCountry.constFind(country);
    if (it == m_byCountry.cend())
        return -1;
    for (int i : *it)
        if (m_rows.at(i).nrs.trimmed() != serial)
            return i;
    return -1;
}

void BandLogModel::indexRow(int i)
{
    const QsoRow &r = m_rows.at(i);
    m_byCall[r.call.trimmed()].append(i);
    m_byCountry[r.dxccd.trimmed()].append(i);
}

void BandLogModel::rebuildIndexes()
{
    m_byCall.clear();
    m_byCountry.clear();
    m_byCall.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        indexRow(i);
    m_totals = BandTotals::of(m_rows);
}

void BandLogModel::showSearchResult(const QVector<QsoRow> &rows)
{
    beginResetModel();
    m_search = rows;
    m_searching = true;
    endResetModel();
}

void BandLogModel::showBand()
{
    leaveSearch();
}

void BandLogModel::setHeaders(const QStringList &headers)
{
    m_headers = headers;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int BandLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(shown().size());
}

int BandLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BandLogModel::data(const QModelIndex &index, int role) const
{
    const QVector<QsoRow> &rows = shown();
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const QsoRow &r = rows.at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Time: return r.time;
        case Call: return r.call;
        case RstS: return r.rsts;
        case NrS: return r.nrs;
        case Mode: return r.mode;
        case RstR: return r.rstr;
        case NrR: return r.nrr;
        case Loc: return r.loc;
        case Qrb: return r.qrb;
        case Bearing: return r.bearing;
        case Dupe: return r.dupla;
        case Date: return r.date;
        case Id: return QString::number(r.id);
        }
    }
    if (role == Qt::ForegroundRole && r.dupla.trimmed() == QLatin1String("D"))
        return QColor(Qt::red);
    return {};
}

QVariant BandLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < m_headers.size())
        return m_headers.at(section);
    return section == Id ? QStringLiteral("ID") : QString();
}
