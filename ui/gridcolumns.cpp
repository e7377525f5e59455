#include "ui/gridcolumns.h"

#include <QHeaderView>
#include <QTableWidget>

void WidenColumnsToHeaders(QTableWidget *grid)
{
    QHeaderView *header = grid->horizontalHeader();
    header->ensurePolished();
    for (int column = 0; column < grid->columnCount(); ++column) {
        // Under a style sheet the header paints with its viewport's font, not
        // its own, unless the header text carries the font itself.
        if (QTableWidgetItem *item = grid->horizontalHeaderItem(column))
            item->setFont(header->font());
        grid->setColumnWidth(column, qMax(grid->columnWidth(column), header->sectionSizeHint(column)));
    }
}

void WidenColumnsToHeaders(QTableView *grid)
{
    QHeaderView *header = grid->horizontalHeader();
    header->ensurePolished();
    for (int column = 0; column < header->count(); ++column)
        grid->setColumnWidth(column, qMax(grid->columnWidth(column), header->sectionSizeHint(column)));
}
