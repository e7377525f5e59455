#pragma once

#include "screens/reports/reporttable.h"

#include <QAbstractTableModel>

// The report under the grid: the view asks for the cells it paints, so a
// report of a few hundred thousand rows opens as fast as a short one.
class ReportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ReportTable table);
    const ReportTable &table() const { return m_table; }
    // Delete on a row: an empty mark becomes "x", any mark is cleared.
    void toggleMark(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ReportTable m_table;
};
