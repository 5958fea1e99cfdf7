#include "contestlog/ui/LogTableModel.h"

#include <QColor>

LogTableModel::LogTableModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_headers = {QStringLiteral("Time"),  QStringLiteral("Call"),  QStringLiteral("RST S"),
                 QStringLiteral("Nr. S"), QStringLiteral("Mode"),  QStringLiteral("RST R"),
                 QStringLiteral("Nr. R"), QStringLiteral("Locator"), QStringLiteral("QRB"),
                 QStringLiteral("Bearing"), QStringLiteral("Dupe"), QStringLiteral("Date")};
}

int LogTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows->size());
}

int LogTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows->size())
        return {};
    const QsoRow &r = m_rows->at(index.row());
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

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < m_headers.size())
        return m_headers.at(section);
    return section == Id ? QStringLiteral("ID") : QString();
}

void LogTableModel::setHeaders(const QStringList &headers)
{
    m_headers = headers;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void LogTableModel::showRows(const QVector<QsoRow> *rows)
{
    beginResetModel();
    m_own.clear();
    m_rows = rows ? rows : &m_own;
    endResetModel();
}

void LogTableModel::setRows(const QVector<QsoRow> &rows)
{
    beginResetModel();
    m_own = rows;
    m_rows = &m_own;
    endResetModel();
}

void LogTableModel::beginAppend()
{
    const int n = int(m_rows->size());
    beginInsertRows({}, n, n);
}

void LogTableModel::endAppend()
{
    endInsertRows();
}

void LogTableModel::rowChanged(int i)
{
    emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
}

void LogTableModel::beginRemove(int i)
{
    beginRemoveRows({}, i, i);
}

void LogTableModel::endRemove()
{
    endRemoveRows();
}
