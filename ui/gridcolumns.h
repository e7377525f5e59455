#pragma once

class QTableView;
class QTableWidget;

// Widens every column of a grid whose header text needs more than the
// column's designed width, as a larger [FONT] or a longer translated header
// does; narrower headers keep the designed widths. The header texts are drawn
// in the header's font under every skin. Called once the screen's texts and
// fonts are on the grid.
void WidenColumnsToHeaders(QTableWidget *grid);
// The same for a grid on a model, whose headers come from the model.
void WidenColumnsToHeaders(QTableView *grid);
