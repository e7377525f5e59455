#include "ui/gridcolumns.h"

#include <QHeaderView>
#include <QTableWidget>

void WidenColumnsToHeaders(QTableWidget *grid)
{
    QHeaderView *header = grid->horizontalHeader();
    header->ensurePolished();
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, qMax(grid->columnWidth(column), header->sectionSizeHint(column)));
}
