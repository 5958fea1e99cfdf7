#include "callinfo/ui/KnownStationsModel.h"

KnownStationsModel::KnownStationsModel(const KnownStations &store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store)
{
}

void KnownStationsModel::setResult(KnownStations::Result result)
{
    beginResetModel();
    m_result = std::move(result);
    m_rows = m_result.size(m_store.size());
    endResetModel();
}

const KnownStations::Station *KnownStationsModel::station(int row) const
{
    if (row < 0 || row >= m_rows)
        return nullptr;
    const int pos = m_result.at(row);
    return pos < m_store.size() ? &m_store.at(pos) : nullptr;
}

int KnownStationsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int KnownStationsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant KnownStationsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    const KnownStations::Station *s = station(index.row());
    if (!s)
        return {};
    return index.column() == 0 ? s->pozivni : s->lokator;
}

QVariant KnownStationsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_headers.value(section);
}

void KnownStationsModel::setHeaders(const QStringList &headers)
{
    m_headers = headers;
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}
