#include "screens/reports/reportmodel.h"

void ReportModel::setTable(ReportTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

void ReportModel::toggleMark(int row)
{
    if (row < 0 || row >= m_table.rows.size())
        return;
    QString &mark = m_table.rows[row][0];
    mark = mark.isEmpty() ? QString::fromLatin1(kMarkDelete) : QString();
    emit dataChanged(index(row, 0), index(row, 0));
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.headers.size());
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return m_table.rows[index.row()].value(index.column());
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_table.headers.value(section);
}
